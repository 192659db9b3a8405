#pragma once

#include <memory>

namespace ribaku {

struct DisplayMode {
    int width = 0;
    int height = 0;
    int depth = 0;  // bits per pixel
};

// Asking for and switching the display mode. A mode is always tested before it is set;
// where the platform cannot switch, every test fails and nothing changes.
class DisplaySwitch {
public:
    virtual ~DisplaySwitch() = default;
    virtual DisplayMode Current() const = 0;
    virtual bool Test(const DisplayMode& mode) const = 0;
    virtual bool Switch(const DisplayMode& mode) = 0;
    // Back to the mode in force before the first switch: tested, then set.
    virtual void Restore() = 0;
};

// RandR on X11; elsewhere a switch that can do nothing.
std::unique_ptr<DisplaySwitch> MakeDisplaySwitch();

// "Switch to 800x600 / High-Color at startup": switches when the display is not already
// 800 x 600 with at least 16 bits and the platform allows it. True when it switched, so
// that the exit switches back.
bool SwitchTo800x600(DisplaySwitch& display);

// The display as this run switched it: switched back once, at exit or on any other way out
// of the program (a fatal error at start-up included), since the owner's end restores it.
class SwitchedDisplay {
public:
    SwitchedDisplay() = default;
    ~SwitchedDisplay() { Restore(); }
    SwitchedDisplay(const SwitchedDisplay&) = delete;
    SwitchedDisplay& operator=(const SwitchedDisplay&) = delete;

    // SwitchTo800x600 on `display`, kept to switch back; true when it switched.
    bool SwitchTo800x600(std::unique_ptr<DisplaySwitch> display);
    void Restore();

private:
    std::unique_ptr<DisplaySwitch> display_;
    bool switched_ = false;
};

}  // namespace ribaku
