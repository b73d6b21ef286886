#include "slotgame.h"

#include "numbertext.h"

#include <cmath>

namespace reelmoor {

const SlotGame::Reel SlotGame::kReels[kReelCount] = {
    {1, &SlotGame::Slot1, &SlotGame::Pos1, &SlotGame::Count1, 20, false},
    {2, &SlotGame::Slot2, &SlotGame::Pos2, &SlotGame::Count2, 28, false},
    {3, &SlotGame::Slot3, &SlotGame::Pos3, &SlotGame::Count3, 36, true},
};

SlotGame::SlotGame(Controls& controls, RandomSource& random)
    : m_controls(controls), m_random(random) {}

void SlotGame::Form_Load() {
    m_random.seed(m_random.secondsSinceMidnight());
    m_controls.setMnuResetEnabled(false);
    m_controls.setLblMoneyText(kStartMoney);
    m_controls.setLblHandleEnabled(true);
    m_controls.setLblMoneyWonText(kPerSpin);
    for (PicIndex = 2; PicIndex <= kSymbolCount; ++PicIndex) {
        for (int reel = 1; reel <= kReelCount; ++reel) {
            m_controls.setPicSlotsVisible(reel, PicIndex, false);
        }
    }
    for (int reel = 1; reel <= kReelCount; ++reel) {
        m_controls.setPicSlotsVisible(reel, 1, true);
    }
}

void SlotGame::lblHandle_Click() {
    m_controls.setLblHandleEnabled(false);
    m_lastPrize = nullptr;
    m_controls.setLblMoneyText(" " + textFromNumber(balance() - kStake));
    m_controls.setLblMoneyWonText(kPerSpin);
    Pos1 = Pos2 = Pos3 = 0;
    Count1 = Count2 = Count3 = 0;
    for (int reel = 1; reel <= kReelCount; ++reel) {
        for (PicIndex = 0; PicIndex < kPicturesPerReel; ++PicIndex) {
            m_controls.setPicSlotsVisible(reel, PicIndex, false);
        }
    }
    Slot1 = drawResult();
    Slot2 = drawResult();
    Slot3 = drawResult();
    for (int timer = 1; timer <= kReelCount; ++timer) {
        m_controls.setTmrTimerEnabled(timer, true);
    }
}

void SlotGame::reelTick(const Reel& reel) {
    std::int16_t& pos = this->*reel.pos;
    std::int16_t& count = this->*reel.count;

    m_controls.setPicSlotsVisible(reel.number, pos == 0 ? kPicturesPerReel - 1 : pos - 1, false);
    m_controls.setPicSlotsVisible(reel.number, pos, true);
    ++count;
    if (count == reel.stopCount) {
        m_controls.setTmrTimerEnabled(reel.number, false);
        m_controls.setPicSlotsVisible(reel.number, pos, false);
        count = 0;
        pos = 0;
        m_controls.setPicSlotsVisible(reel.number, static_cast<int>(this->*reel.slot), true);
        if (reel.paysOut) {
            MoneyCheck();
        }
    }
    ++pos;
    if (pos == kPicturesPerReel) {
        pos = 0;
    }
}

float SlotGame::drawResult() {
    return static_cast<float>(std::floor(m_random.next() * kSymbolCount) + 1);
}

double SlotGame::balance() const {
    return numberFromText(m_controls.lblMoneyText());
}

void SlotGame::payIf(bool condition, const Prize& prize) {
    if (condition) {
        m_lastPrize = &prize;
        m_controls.setLblMoneyText(" " + textFromNumber(balance() + prize.amount));
        m_controls.setLblMoneyWonText(prize.message);
    }
}

void SlotGame::MoneyCheck() {
    // Four separate tests, not a chain: their conditions exclude one another.
    payIf(Slot1 == kCherries && Slot2 != kCherries && Slot3 != kCherries, kPrizes[0]);
    payIf(Slot1 == kCherries && (Slot2 == kCherries || Slot3 == kCherries) && Slot2 != Slot3,
          kPrizes[1]);
    payIf(Slot1 == Slot2 && Slot1 == Slot3 && Slot1 != kCherries, kPrizes[2]);
    payIf(Slot1 == kCherries && Slot2 == kCherries && Slot3 == kCherries, kPrizes[3]);

    if (balance() > 0) {
        m_controls.setLblHandleEnabled(true);
    } else {
        m_controls.setLblMoneyWonText(kGameOver);
        m_controls.setMnuResetEnabled(true);
    }
}

} // namespace reelmoor
