#include <gtest/gtest.h>

#include "app/display_mode.h"

namespace ribaku {
namespace {

class FakeDisplay : public DisplaySwitch {
public:
    explicit FakeDisplay(DisplayMode now, bool allowed) : now_(now), allowed_(allowed) {}
    DisplayMode Current() const override { return now_; }
    bool Test(const DisplayMode&) const override {
        ++tests;
        return allowed_;
    }
    bool Switch(const DisplayMode& mode) override {
        now_ = mode;
        return ++switches, true;
    }
    void Restore() override {
        if (restores) ++*restores;
    }
    mutable int tests = 0;
    int switches = 0;
    int* restores = nullptr;  // counted outside: the switch goes with its owner

private:
    DisplayMode now_;
    bool allowed_;
};

TEST(DisplayMode, SwitchesOnlyWhenNeededAndOnlyAfterASuccessfulTest) {
    FakeDisplay already({800, 600, 24}, true);
    EXPECT_FALSE(SwitchTo800x600(already));
    EXPECT_EQ(already.tests, 0);

    FakeDisplay refused({1920, 1080, 24}, false);
    EXPECT_FALSE(SwitchTo800x600(refused));
    EXPECT_EQ(refused.switches, 0);

    FakeDisplay lowColour({800, 600, 8}, true);  // the right size, too few colours
    EXPECT_TRUE(SwitchTo800x600(lowColour));

    FakeDisplay allowed({1024, 768, 24}, true);
    EXPECT_TRUE(SwitchTo800x600(allowed));
    EXPECT_EQ(allowed.Current().width, 800);
    EXPECT_EQ(allowed.Current().height, 600);
}

// A switched display goes back exactly once: at the close, or when its owner goes another
// way (an error that ends the program); never when it was not switched.
TEST(DisplayMode, ASwitchedDisplayIsRestoredOnceOnEveryWayOut) {
    int restores = 0;
    {
        SwitchedDisplay display;
        auto fake = std::make_unique<FakeDisplay>(DisplayMode{1024, 768, 24}, true);
        fake->restores = &restores;
        EXPECT_TRUE(display.SwitchTo800x600(std::move(fake)));
    }
    EXPECT_EQ(restores, 1);
    {
        SwitchedDisplay display;
        auto fake = std::make_unique<FakeDisplay>(DisplayMode{1024, 768, 24}, true);
        fake->restores = &restores;
        display.SwitchTo800x600(std::move(fake));
        display.Restore();
    }
    EXPECT_EQ(restores, 2);
    {
        SwitchedDisplay display;
        auto refused = std::make_unique<FakeDisplay>(DisplayMode{1024, 768, 24}, false);
        refused->restores = &restores;
        EXPECT_FALSE(display.SwitchTo800x600(std::move(refused)));
    }
    EXPECT_EQ(restores, 2);
}

TEST(DisplayMode, WithoutADisplayServerNothingCanBeSwitched) {
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display ? display : "";
    unsetenv("DISPLAY");
    auto platform = MakeDisplaySwitch();
    EXPECT_FALSE(SwitchTo800x600(*platform));
    if (display) setenv("DISPLAY", saved.c_str(), 1);
}

}  // namespace
}  // namespace ribaku
