#pragma once

#include "controls.h"
#include "randomsource.h"

#include <cstdint>

namespace reelmoor {

// A text the player reads: English, marked for the window's translators, who
// find it in the context named.
#define REELMOOR_TRANSLATABLE(context, text) text

inline constexpr int kReelCount = 3;
inline constexpr int kSymbolCount = 7;                    // as the window's table of them holds
inline constexpr int kPicturesPerReel = kSymbolCount + 1; // and the blank picture 0
inline constexpr int kCherries = 1;

// The game's own state and handlers. The balance lives only in the text of
// lblMoney; every other piece of state the player sees lives in the window too.
class SlotGame {
public:
    SlotGame(Controls& controls, RandomSource& random);

    void Form_Load();
    void lblHandle_Click();
    void tmrTimer1_Timer() { reelTick(kReels[0]); }
    void tmrTimer2_Timer() { reelTick(kReels[1]); }
    void tmrTimer3_Timer() { reelTick(kReels[2]); }
    void MoneyCheck();

    // Results are whole numbers held in single precision; the rest are 16-bit.
    float Slot1 = 0;
    float Slot2 = 0;
    float Slot3 = 0;
    std::int16_t PicIndex = 0;
    std::int16_t Pos1 = 0;
    std::int16_t Count1 = 0;
    std::int16_t Pos2 = 0;
    std::int16_t Count2 = 0;
    std::int16_t Pos3 = 0;
    std::int16_t Count3 = 0;

    // The prizes in the order the payout tests them, with their status texts.
    struct Prize {
        double amount;
        const char* message;
    };
    static constexpr Prize kPrizes[4] = {
        {100, REELMOOR_TRANSLATABLE("Status", "You won $100!!!")},
        {1000, REELMOOR_TRANSLATABLE("Status", "You won $1000!!!")},
        {4000, REELMOOR_TRANSLATABLE("Status", "You won $4000!!!")},
        {10000, REELMOOR_TRANSLATABLE("Status", "You won $10,000!!!")},
    };

    // What the last settled spin paid, or null; cleared when a spin starts.
    const Prize* lastPrize() const { return m_lastPrize; }

    static constexpr const char* kStartMoney = " 1000";
    static constexpr const char* kPerSpin = REELMOOR_TRANSLATABLE("Status", "$25 per spin...");
    static constexpr const char* kGameOver =
        REELMOOR_TRANSLATABLE("Status", "Out of Money!  Game Over.");
    static constexpr double kStake = 25;

private:
    // What tells one reel's tick from another's.
    struct Reel {
        int number;
        float SlotGame::*slot;
        std::int16_t SlotGame::*pos;
        std::int16_t SlotGame::*count;
        std::int16_t stopCount;
        bool paysOut;
    };
    static const Reel kReels[kReelCount];

    void reelTick(const Reel& reel);
    float drawResult();
    double balance() const;
    void payIf(bool condition, const Prize& prize);

    Controls& m_controls;
    RandomSource& m_random;
    const Prize* m_lastPrize = nullptr;
};

} // namespace reelmoor
