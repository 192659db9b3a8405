// The program's start as a player sees it, on a real X display (run it under xvfb-run): from
// the process's start to its main window mapped, to the welcome panel painted, and the
// resident memory 3 s after the start, when the music has loaded.
//
// It starts the program built beside it with the first-start defaults, then with the music
// off, then at a device pixel ratio of 2 (which needs a screen of at least 1600 x 1200), so
// the build folder must hold no "Ribaku.ini".
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The main window is the first window mapped that is wider than the splash.
constexpr int kMinMainWindowWidth = 600;
// A pixel of the welcome panel's dark red frame, from the window's top-left corner.
constexpr int kFrameX = 187;
constexpr int kFrameY = 300;
constexpr auto kMemoryReadAfter = std::chrono::seconds(3);
constexpr auto kGiveUpAfter = std::chrono::seconds(10);

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool IsFrameRed(Display* display, Window root, int x, int y) {
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    const unsigned red = (pixel >> 16) & 255, green = (pixel >> 8) & 255, blue = pixel & 255;
    return red > 100 && red < 160 && green < 40 && blue < 40;
}

long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct StartTimes {
    double mappedMs = -1;
    double paintedMs = -1;
    long residentKiB = -1;
};

// `scale` is the device pixel ratio the program is started with: the window and the
// panel's frame are that many times further from the corner.
StartTimes MeasureOneStart(Display* display, const std::string& program, int scale) {
    const Window root = DefaultRootWindow(display);
    // A black root, so that nothing of an earlier run passes for the panel.
    XSetWindowBackground(display, root, BlackPixel(display, DefaultScreen(display)));
    XClearWindow(display, root);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    StartTimes times;
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (scale != 1) setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int frameX = -1, frameY = -1;
    while (times.paintedMs < 0 && Clock::now() - start < kGiveUpAfter) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || times.mappedMs >= 0) continue;
            XWindowAttributes window;
            XGetWindowAttributes(display, event.xmap.window, &window);
            if (window.width <= scale * kMinMainWindowWidth) continue;
            times.mappedMs = MillisecondsSince(start);
            frameX = window.x + scale * kFrameX;
            frameY = window.y + scale * kFrameY;
        }
        if (times.mappedMs >= 0 && IsFrameRed(display, root, frameX, frameY))
            times.paintedMs = MillisecondsSince(start);
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    std::this_thread::sleep_until(start + kMemoryReadAfter);
    times.residentKiB = ResidentKiB(pid);
    kill(pid, SIGKILL);  // a quit signal would close it as Exit does, writing "Ribaku.ini"
    waitpid(pid, nullptr, 0);
    return times;
}

// Ten starts after one warm-up; the time shown is their mean time to the window mapped.
// `settings` is put beside the program for the runs and taken away after them.
void MeasureStarts(benchmark::State& state, const std::string& settings, int scale = 1) {
    const std::filesystem::path program = RIBAKU_PROGRAM;
    const std::filesystem::path settingsFile = program.parent_path() / "Ribaku.ini";
    if (std::filesystem::exists(settingsFile)) {
        state.SkipWithError("a Ribaku.ini beside the program: this measures a first start");
        return;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        state.SkipWithError("no X display: run under xvfb-run");
        return;
    }
    if (!settings.empty()) std::ofstream(settingsFile) << settings;
    MeasureOneStart(display, program, scale);  // warm-up: the files come into the page cache
    std::vector<double> mapped, painted, resident;
    for (auto _ : state) {
        const StartTimes times = MeasureOneStart(display, program, scale);
        if (times.paintedMs < 0) {
            state.SkipWithError("the welcome panel was not seen within 10 s");
            break;
        }
        state.SetIterationTime(times.mappedMs / 1000.0);
        mapped.push_back(times.mappedMs);
        painted.push_back(times.paintedMs);
        resident.push_back(static_cast<double>(times.residentKiB) / 1024.0);
    }
    if (!settings.empty()) std::filesystem::remove(settingsFile);
    state.counters["mapped_median_ms"] = Median(mapped);
    state.counters["painted_median_ms"] = Median(painted);
    state.counters["resident_median_MiB"] = Median(resident);
    XCloseDisplay(display);
}

// A first start: no settings, so the music plays.
void BM_ProgramStart(benchmark::State& state) {
    MeasureStarts(state, "");
}
BENCHMARK(BM_ProgramStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The same start with "Play music" off.
void BM_ProgramStartWithoutMusic(benchmark::State& state) {
    MeasureStarts(state, "[Ribaku]\nPlayMusic=0\n");
}
BENCHMARK(BM_ProgramStartWithoutMusic)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// A first start on a screen of twice the pixel density, with its tiles and board at 2x.
void BM_ProgramStartAtTwiceTheSize(benchmark::State& state) {
    MeasureStarts(state, "", 2);
}
BENCHMARK(BM_ProgramStartAtTwiceTheSize)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
