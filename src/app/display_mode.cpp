#include "app/display_mode.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdlib>
#include <optional>
#include <utility>

namespace ribaku {
namespace {

constexpr DisplayMode k800x600{800, 600, 16};

// The mode of the output that shows the primary screen, through RandR.
class RandrSwitch : public DisplaySwitch {
public:
    explicit RandrSwitch(::Display* display) : display_(display) {
        root_ = DefaultRootWindow(display_);
        original_ = CurrentModeId();
    }
    ~RandrSwitch() override { XCloseDisplay(display_); }

    DisplayMode Current() const override {
        const int screen = DefaultScreen(display_);
        return {DisplayWidth(display_, screen), DisplayHeight(display_, screen),
                DefaultDepth(display_, screen)};
    }

    bool Test(const DisplayMode& mode) const override {
        return Current().depth >= mode.depth && FindMode(mode.width, mode.height).has_value();
    }

    bool Switch(const DisplayMode& mode) override {
        if (!Test(mode)) return false;
        return SetMode(*FindMode(mode.width, mode.height));
    }

    void Restore() override {
        if (original_) SetMode(*original_);
    }

private:
    struct Screen {
        XRRScreenResources* resources;
        RRCrtc crtc;
        XRRCrtcInfo* info;
        ~Screen() {
            if (info) XRRFreeCrtcInfo(info);
            if (resources) XRRFreeScreenResources(resources);
        }
    };

    // The first active CRTC: the one the game's window is shown on.
    std::optional<RRMode> WithActiveCrtc(auto&& use) const {
        Screen s{XRRGetScreenResourcesCurrent(display_, root_), 0, nullptr};
        if (!s.resources) return std::nullopt;
        for (int i = 0; i < s.resources->ncrtc && !s.info; ++i) {
            XRRCrtcInfo* info = XRRGetCrtcInfo(display_, s.resources, s.resources->crtcs[i]);
            if (info && info->mode != None && info->noutput > 0) {
                s.crtc = s.resources->crtcs[i];
                s.info = info;
            } else if (info) {
                XRRFreeCrtcInfo(info);
            }
        }
        if (!s.info) return std::nullopt;
        return use(s);
    }

    std::optional<RRMode> CurrentModeId() const {
        return WithActiveCrtc([](Screen& s) -> std::optional<RRMode> { return s.info->mode; });
    }

    std::optional<RRMode> FindMode(int width, int height) const {
        return WithActiveCrtc([&](Screen& s) -> std::optional<RRMode> {
            XRROutputInfo* output = XRRGetOutputInfo(display_, s.resources, s.info->outputs[0]);
            std::optional<RRMode> found;
            for (int m = 0; output && m < output->nmode && !found; ++m)
                for (int k = 0; k < s.resources->nmode; ++k) {
                    const XRRModeInfo& info = s.resources->modes[k];
                    if (info.id == output->modes[m] && int(info.width) == width &&
                        int(info.height) == height)
                        found = info.id;
                }
            if (output) XRRFreeOutputInfo(output);
            return found;
        });
    }

    bool SetMode(RRMode mode) {
        const auto status = WithActiveCrtc([&](Screen& s) -> std::optional<RRMode> {
            const Status result =
                XRRSetCrtcConfig(display_, s.resources, s.crtc, CurrentTime, s.info->x, s.info->y,
                                 mode, s.info->rotation, s.info->outputs, s.info->noutput);
            return result == RRSetConfigSuccess ? std::optional<RRMode>(mode) : std::nullopt;
        });
        XSync(display_, False);
        return status.has_value();
    }

    ::Display* display_;
    ::Window root_;
    std::optional<RRMode> original_;
};

class NoSwitch : public DisplaySwitch {
public:
    DisplayMode Current() const override { return {}; }
    bool Test(const DisplayMode&) const override { return false; }
    bool Switch(const DisplayMode&) override { return false; }
    void Restore() override {}
};

}  // namespace

std::unique_ptr<DisplaySwitch> MakeDisplaySwitch() {
    int event = 0;
    int error = 0;
    if (::Display* display = std::getenv("DISPLAY") ? XOpenDisplay(nullptr) : nullptr) {
        if (XRRQueryExtension(display, &event, &error))
            return std::make_unique<RandrSwitch>(display);
        XCloseDisplay(display);
    }
    return std::make_unique<NoSwitch>();
}

bool SwitchTo800x600(DisplaySwitch& display) {
    const DisplayMode now = display.Current();
    if (now.width == k800x600.width && now.height == k800x600.height && now.depth >= k800x600.depth)
        return false;
    return display.Test(k800x600) && display.Switch(k800x600);
}

bool SwitchedDisplay::SwitchTo800x600(std::unique_ptr<DisplaySwitch> display) {
    Restore();
    display_ = std::move(display);
    switched_ = ribaku::SwitchTo800x600(*display_);
    return switched_;
}

void SwitchedDisplay::Restore() {
    if (switched_) display_->Restore();
    switched_ = false;
}

}  // namespace ribaku
