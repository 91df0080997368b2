// How much the toolkit's per-rectangle composition saves: on a 714 x 419 host
// with 40 buttons, recomposing one 88 x 32 button against the whole window,
// one hover cycle (enter and four fade ticks) against recomposing the whole
// window per step, and painting the background. Prints medians of many runs
// and their ratios; the machines are shared, so the ratios are what count.
//
//     cmake/wine-run build/x86_64/tests/bench_composition.exe   (needs a DISPLAY)

#include "canvas/controls/Button.h"
#include "canvas/core/CanvasHost.h"
#include "canvas/services/Toolkit.h"
#include "resources/Resources.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace canvas;

namespace {

constexpr int kWindowWidth = 714, kWindowHeight = 419;
constexpr int kButtonWidth = 88, kButtonHeight = 32;
constexpr int kColumns = 7, kRows = 6;  // 40 of the 42 cells get a button
constexpr int kButtons = 40;
constexpr int kRuns = 200;

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency;
}

void Pump(HWND hwnd) {
    MSG msg;
    while (PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Median of `runs` timings of `step`, in microseconds.
double Median(int runs, const std::function<void()>& step) {
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        step();
        times.push_back((Now() - start) * 1e6);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

void Report(const char* what, double fast, const char* naiveWhat, double naive) {
    std::printf("%-44s %9.1f us\n%-44s %9.1f us\n%-44s %9.1fx\n\n", what, fast, naiveWhat, naive, "  ratio",
                naive / fast);
}

}  // namespace

int main() {
    InitToolkit();
    HWND hwnd = CreateTopLevelWindow(
        {.title = "bench", .x = 0, .y = 0, .width = kWindowWidth, .height = kWindowHeight, .show = true});
    CanvasHost host;
    const auto background = resources::ResourceBytes(resources::kMainBackground);
    host.Attach(hwnd, {.picture = background, .pictureMode = 1});
    std::vector<std::unique_ptr<Button>> buttons;
    for (int i = 0; i < kButtons; ++i) {
        auto button = std::make_unique<Button>();
        const int x = 12 + (i % kColumns) * (kButtonWidth + 12);
        const int y = 40 + (i / kColumns) * (kButtonHeight + 30);
        button->Create(hwnd, x, y, kButtonWidth, kButtonHeight, "查人气");
        buttons.push_back(std::move(button));
    }
    Pump(hwnd);
    Button& target = *buttons[10];
    const RectF whole{0, 0, static_cast<float>(kWindowWidth), static_cast<float>(kWindowHeight)};

    std::printf("Composition on a %d x %d host with %d buttons of %d x %d, medians of %d runs\n\n", kWindowWidth,
                kWindowHeight, kButtons, kButtonWidth, kButtonHeight, kRuns);

    const double one = Median(kRuns, [&] { host.Compose(target.bounds, true); });
    const double all = Median(kRuns, [&] { host.Compose(whole, true); });
    Report("recompose + present one button", one, "recompose + present the whole window", all);

    // A hover cycle as the host runs it: the enter repaints the button with a
    // fade from 51, four timer ticks bring it to full.
    const auto hoverCycle = [&](bool wholeWindow) {
        target.RaiseEvent(notify::kMouseEnter);
        if (wholeWindow) host.Compose(whole, true);
        for (int tick = 0; tick < 4; ++tick) {
            SendMessageA(hwnd, WM_TIMER, target.handle, 0);
            Pump(hwnd);
            if (wholeWindow) host.Compose(whole, true);
        }
        target.RaiseEvent(notify::kMouseLeave);
        SendMessageA(hwnd, WM_TIMER, target.handle, 0);
        Pump(hwnd);
    };
    const double hover = Median(kRuns / 4, [&] { hoverCycle(false); });
    const double hoverAll = Median(kRuns / 4, [&] { hoverCycle(true); });
    Report("hover cycle (enter, 4 ticks, leave)", hover, "same, whole window recomposed per step", hoverAll);

    const double paintBackground = Median(kRuns / 10, [&] { host.PaintBackground({}); });
    std::printf("%-44s %9.1f us\n", "paint the background of the whole window", paintBackground);
    int grow = 0;
    const double resize = Median(kRuns / 10, [&] {
        grow ^= 1;
        SetWindowPos(hwnd, nullptr, 0, 0, kWindowWidth + grow, kWindowHeight, SWP_NOMOVE | SWP_NOZORDER);
    });
    std::printf("%-44s %9.1f us\n", "resize by one pixel (surfaces + background)", resize);
    std::printf("%-44s %9.1fx\n", "  one button vs. background repaint", paintBackground / one);

    buttons.clear();
    DestroyWindow(hwnd);
    return 0;
}
