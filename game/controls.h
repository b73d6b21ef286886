#pragma once

#include <string>

namespace reelmoor {

// The window's properties that the game changes at run time, and nothing else.
// Reels are numbered 1 to 3, pictures 0 to 7, timers 1 to 3.
class Controls {
public:
    virtual ~Controls() = default;

    virtual std::string lblMoneyText() const = 0;
    virtual void setLblMoneyText(const std::string& text) = 0;
    virtual void setLblMoneyWonText(const std::string& text) = 0;

    virtual void setLblHandleEnabled(bool enabled) = 0;
    virtual void setMnuResetEnabled(bool enabled) = 0;
    virtual void setTmrTimerEnabled(int timer, bool enabled) = 0;

    virtual bool picSlotsVisible(int reel, int index) const = 0;
    virtual void setPicSlotsVisible(int reel, int index, bool visible) = 0;
};

} // namespace reelmoor
