#pragma once

#include "controls.h"
#include "randomsource.h"

#include <array>
#include <deque>
#include <map>
#include <string>
#include <vector>

// The reels and each one's pictures, the blank one too, as the tests know them.
inline constexpr int kReels = 3;
inline constexpr int kSymbolsPerReel = 7;
inline constexpr int kPictures = kSymbolsPerReel + 1;

// Indices of the pictures of one reel on show.
inline std::vector<int> shownOf(const std::array<bool, kPictures>& reel) {
    std::vector<int> shown;
    for (int i = 0; i < kPictures; ++i) {
        if (reel[i]) {
            shown.push_back(i);
        }
    }
    return shown;
}

// Records every property the game sets, in order unless told not to, and keeps their values.
class RecordingControls final : public reelmoor::Controls {
public:
    std::string money = "5000";
    std::string moneyWon = "$25 per spin...";
    bool handleEnabled = true;
    bool resetEnabled = true;
    std::array<bool, kReels> timerEnabled{};
    std::array<std::array<bool, kPictures>, kReels> visible{
        {{false, true}, {false, true}, {false, true}}};
    std::vector<std::string> log;
    bool logging = true;

    std::string lblMoneyText() const override { return money; }
    void setLblMoneyText(const std::string& text) override {
        money = text;
        note([&] { return "lblMoney=" + text; });
    }
    void setLblMoneyWonText(const std::string& text) override {
        moneyWon = text;
        note([&] { return "lblMoneyWon=" + text; });
    }
    void setLblHandleEnabled(bool enabled) override {
        handleEnabled = enabled;
        note([&] { return std::string("lblHandle=") + (enabled ? "on" : "off"); });
    }
    void setMnuResetEnabled(bool enabled) override {
        resetEnabled = enabled;
        note([&] { return std::string("mnuReset=") + (enabled ? "on" : "off"); });
    }
    void setTmrTimerEnabled(int timer, bool enabled) override {
        timerEnabled.at(timer - 1) = enabled;
        note([&] { return "tmrTimer" + std::to_string(timer) + (enabled ? "=on" : "=off"); });
    }
    bool picSlotsVisible(int reel, int index) const override {
        return visible.at(reel - 1).at(index);
    }
    void setPicSlotsVisible(int reel, int index, bool shown) override {
        visible.at(reel - 1).at(index) = shown;
        note([&] {
            return "picSlots" + std::to_string(reel) + "(" + std::to_string(index) +
                   (shown ? ")=show" : ")=hide");
        });
    }

    std::vector<int> shown(int reel) const { return shownOf(visible.at(reel - 1)); }

private:
    template <typename Entry> void note(Entry entry) {
        if (logging) {
            log.push_back(entry());
        }
    }
};

// Hands out scripted values in order, then repeats the last; records each seed.
class ScriptedRandom final : public reelmoor::RandomSource {
public:
    std::deque<double> values;
    double clock = 43200.25;
    std::vector<double> seeds;
    int draws = 0;

    double secondsSinceMidnight() override { return clock; }
    void seed(double value) override { seeds.push_back(value); }
    double next() override {
        ++draws;
        if (values.empty()) {
            return 0.5;
        }
        const double value = values.front();
        if (values.size() > 1) {
            values.pop_front();
        }
        return value;
    }

    // Values that make the next spin draw the given results.
    void script(int slot1, int slot2, int slot3) {
        values = {toValue(slot1), toValue(slot2), toValue(slot3)};
    }
    static double toValue(int slot) { return (slot - 1 + 0.5) / kSymbolsPerReel; }
};

// Calls act(slot1, slot2, slot3) for each of a spin's 343 outcomes, reel 3's changing fastest.
template <typename Act> void forEachOutcome(Act act) {
    for (int a = 1; a <= kSymbolsPerReel; ++a) {
        for (int b = 1; b <= kSymbolsPerReel; ++b) {
            for (int c = 1; c <= kSymbolsPerReel; ++c) {
                act(a, b, c);
            }
        }
    }
}

// Delivers one tick of timer 1 to 3 to the game or the window, as the timers do.
template <typename Handlers> void tickTimer(Handlers& game, int timer) {
    timer == 1   ? game.tmrTimer1_Timer()
    : timer == 2 ? game.tmrTimer2_Timer()
                 : game.tmrTimer3_Timer();
}

// The prize of one spin by the rules, from the cherries on reels 2 and 3 beside
// reel 1, and the status line that tells it.
inline int prizeOf(int slot1, int slot2, int slot3) {
    const int moreCherries = (slot2 == 1) + (slot3 == 1);
    if (slot1 == 1) {
        return moreCherries == 0 ? 100 : moreCherries == 1 ? 1000 : 10000;
    }
    return slot1 == slot2 && slot2 == slot3 ? 4000 : 0;
}

inline std::string prizeText(int prize) {
    const std::map<int, std::string> won{{100, "You won $100!!!"},
                                         {1000, "You won $1000!!!"},
                                         {4000, "You won $4000!!!"},
                                         {10000, "You won $10,000!!!"}};
    return won.count(prize) ? won.at(prize) : "$25 per spin...";
}
