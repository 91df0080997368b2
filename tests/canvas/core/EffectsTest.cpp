// Window effects: style helpers, the blur decision, the show and close
// animations frame by frame, and what happens when the window goes away
// while one runs.
#include "BackgroundTestPictures.h"
#include "TestWindow.h"

#include "canvas/core/WindowEffects.h"
#include "canvas/services/Gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

using namespace canvas;
using namespace background_test;
using testing_support::TestWindow;

namespace {

struct FakeCompositor : Compositor {
    bool enabled = true;
    int asked = 0;
    struct Blur {
        RECT area;
        int ellipse;
    };
    std::vector<Blur> blurs;
    bool CompositionEnabled() override {
        ++asked;
        return enabled;
    }
    void BlurBehind(HWND, const RECT& area, int ellipse) override { blurs.push_back({area, ellipse}); }
};

// Pretends to run on another major version for the scope.
struct OsVersionScope {
    explicit OsVersionScope(int major) : saved(osMajorVersion) { osMajorVersion = major; }
    ~OsVersionScope() { osMajorVersion = saved; }
    int saved;
};

// Copies of the frames an animation handed to the window.
struct Frame {
    int width = 0, height = 0;
    std::vector<std::uint32_t> bits;  // bottom-up
    int busy = 0;
    bool layered = false;
    std::uint32_t At(int x, int y) const { return bits[static_cast<size_t>(height - 1 - y) * width + x]; }
    bool Empty() const {
        for (const std::uint32_t p : bits)
            if (p) return false;
        return true;
    }
};

struct FrameRecorder {
    explicit FrameRecorder(CanvasHost& host) {
        host.onAnimationFrame = [this, &host](const Surface& s) {
            GdiFlush();
            Frame f;
            f.width = s.width();
            f.height = s.height();
            f.bits.assign(s.bits(), s.bits() + static_cast<size_t>(s.width()) * s.height());
            f.busy = host.busy;
            f.layered = HasStyle(host.window, WS_EX_LAYERED, true);
            frames.push_back(std::move(f));
            if (onFrame) onFrame(frames.size());
        };
    }
    std::vector<Frame> frames;
    std::function<void(size_t count)> onFrame;
};

bool WindowRegionExists(HWND w) {
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    return GetWindowRgn(w, region.get()) != ERROR;
}

// (<chrono> does not build with the GBK execution character set.)
struct Stopwatch {
    Stopwatch() { QueryPerformanceCounter(&start); }
    double Milliseconds() const {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    }
    LARGE_INTEGER start;
};

// A window in one colour (an ordinary window unless the options say
// otherwise), 400 x 300 unless said otherwise, not shown yet.
struct ColourWindow : TestWindow {
    explicit ColourWindow(canvas::AttachOptions options = {.themeColour = 0x0000FF, .captionFlags = 0},
                          SIZE size = {400, 300})
        : TestWindow(size.cx, size.cy, options) {}
};

// The same, shown.
struct ShownWindow : ColourWindow {
    explicit ShownWindow(canvas::AttachOptions options = {.themeColour = 0x0000FF, .captionFlags = 0},
                         SIZE size = {400, 300})
        : ColourWindow(options, size) {
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
        Pump();
    }
};

}  // namespace

TEST(WindowStyles, AddOnlyWhenNoneIsSetRemoveWhenAnyIs) {
    TestWindow t;
    const LONG both = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
    RemoveStyle(t.hwnd, both, true);
    EXPECT_FALSE(HasStyle(t.hwnd, both, true));
    AddStyle(t.hwnd, WS_EX_TOOLWINDOW, true);
    AddStyle(t.hwnd, both, true);  // one is set already: nothing changes
    EXPECT_TRUE(HasStyle(t.hwnd, WS_EX_TOOLWINDOW, true));
    EXPECT_FALSE(HasStyle(t.hwnd, WS_EX_LAYERED, true));
    RemoveStyle(t.hwnd, both, true);
    EXPECT_FALSE(HasStyle(t.hwnd, both, true));
    AddStyle(t.hwnd, both, true);
    EXPECT_EQ(GetWindowLongA(t.hwnd, GWL_EXSTYLE) & both, both);
    EXPECT_TRUE(HasStyle(t.hwnd, WS_POPUP, false));
    EXPECT_FALSE(HasStyle(t.hwnd, WS_POPUP, true));
}

TEST(SetBlur, OnlyOnVersionSixWithCompositionAndNotForPictureFrames) {
    struct Case {
        const char* name;
        int osMajor, frameStyle;
        bool composition;
        bool asks, blurs;
    } cases[] = {
        {"version 6, composition on", 6, 7, true, true, true},
        {"version 6, square frame", 6, 0, true, true, true},
        {"version 6, composition off", 6, 7, false, true, false},
        {"version 6, picture frame", 6, 1, true, false, false},
        {"version 5", 5, 7, true, false, false},
        {"version 10", 10, 7, true, false, false},
    };
    TestWindow t;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeCompositor compositor;
        compositor.enabled = c.composition;
        EXPECT_EQ(SetBlur(t.hwnd, {6, 6, 395, 295}, 6, c.frameStyle, compositor, c.osMajor), c.asks && c.composition);
        EXPECT_EQ(compositor.asked, c.asks ? 1 : 0);
        ASSERT_EQ(compositor.blurs.size(), c.blurs ? 1u : 0u);
        if (c.blurs) {
            EXPECT_EQ(compositor.blurs[0].area.right, 395);
        }
    }
}

TEST(SetBlur, TheSystemsAnswerUnderThisWineIsNoComposition) {
    TestWindow t;
    EXPECT_FALSE(SetBlur(t.hwnd, {6, 6, 395, 295}, 6, 7, Compositor::System(), 6));
}

TEST(Show, WithoutEffectShowsAtOnceAndBlursTheStillRegion) {
    OsVersionScope version(6);
    TestWindow t(400, 300, {.captionFlags = 0, .windowAlpha = 255, .blur = 1});
    FakeCompositor compositor;
    t.host.compositor = &compositor;
    FrameRecorder recorder(t.host);
    t.host.Show(0);
    EXPECT_TRUE(IsWindowVisible(t.hwnd));
    EXPECT_TRUE(recorder.frames.empty());
    ASSERT_EQ(compositor.blurs.size(), 1u);
    const RECT& area = compositor.blurs[0].area;
    EXPECT_EQ(area.left, 6);
    EXPECT_EQ(area.top, 6);
    EXPECT_EQ(area.right, 395);
    EXPECT_EQ(area.bottom, 295);
    EXPECT_EQ(compositor.blurs[0].ellipse, 6);

    t.host.FrameStyle(1);  // a picture frame is never blurred
    t.host.Show(0);
    EXPECT_EQ(compositor.blurs.size(), 1u);
}
TEST(Show, FadeInTenFramesFromAlphaZeroThenTheFullPicture) {
    ColourWindow t;
    FrameRecorder recorder(t.host);
    // A message posted while the third frame is up runs in the pause after it.
    constexpr UINT kPing = WM_APP + 7;
    size_t framesBeforePing = 0;
    t.host.OnMessage([&](HWND, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m != kPing) return -1;
        framesBeforePing = recorder.frames.size();
        return 0;
    });
    recorder.onFrame = [&](size_t count) {
        if (count == 3) PostMessageA(t.hwnd, kPing, 0, 0);
    };
    const Stopwatch watch;
    t.host.Show(1);
    const double elapsed = watch.Milliseconds();
    // The blank first picture, ten frames, the final one.
    ASSERT_EQ(recorder.frames.size(), 12u);
    EXPECT_TRUE(recorder.frames[0].Empty());
    const std::uint32_t back = t.host.back.PixelAt(200, 150);
    ASSERT_NE(back, 0u);
    for (int j = 1; j <= 10; ++j) {
        const Frame& f = recorder.frames[j];
        EXPECT_NEAR(Alpha(f.At(200, 150)), Alpha(back) * (j - 1) * 25 / 255, 1) << j;
        EXPECT_EQ(f.busy, 1);
        EXPECT_TRUE(f.layered);  // layered for the time of the animation
    }
    EXPECT_EQ(recorder.frames[11].At(200, 150), back);
    EXPECT_GE(elapsed, 180);  // ten pauses of 20 ms
    EXPECT_EQ(framesBeforePing, 3u);
    EXPECT_TRUE(IsWindowVisible(t.hwnd));
    EXPECT_FALSE(HasStyle(t.hwnd, WS_EX_LAYERED, true));  // an ordinary window again
    EXPECT_EQ(t.host.busy, 0);
    EXPECT_EQ(t.host.animating, 0);
}
TEST(Show, EveryEffectRevealsFromItsSide) {
    struct Case {
        int effect;
        int frame;         // the frame to look at
        POINT shownFirst;  // visible in that frame already
        POINT shownLast;   // not yet
        int duration;
        double minMs, maxMs;
    } cases[] = {
        {3, 5, {50, 150}, {350, 150}, 200, 180, 2000},
        {4, 5, {350, 150}, {50, 150}, 200, 180, 2000},
        {5, 5, {200, 40}, {200, 260}, 100, 90, 2000},
        {6, 5, {200, 260}, {200, 40}, 200, 180, 2000},
        {2, 5, {200, 260}, {200, 40}, 200, 180, 2000},
        {99, 5, {200, 260}, {200, 40}, 200, 180, 2000},
        // Grows from the centre and ignores the duration (55 ms of pauses).
        {7, 2, {200, 150}, {10, 150}, 3000, 50, 1500},
    };
    // One layered window at alpha 180 shown again and again.
    ColourWindow t({.themeColour = 0x0000FF, .captionFlags = 0, .windowAlpha = 180});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.effect);
        FrameRecorder recorder(t.host);
        const Stopwatch watch;
        t.host.Show(c.effect, c.duration);
        const double elapsed = watch.Milliseconds();
        ASSERT_EQ(recorder.frames.size(), 12u);
        const Frame& f = recorder.frames[c.frame];
        EXPECT_GT(Alpha(f.At(c.shownFirst.x, c.shownFirst.y)), 0);
        EXPECT_EQ(f.At(c.shownLast.x, c.shownLast.y), 0u);
        EXPECT_EQ(recorder.frames[11].At(200, 150), t.host.back.PixelAt(200, 150));
        EXPECT_NEAR(Alpha(recorder.frames[11].At(200, 150)), 180, 2);
        EXPECT_GE(elapsed, c.minMs);
        EXPECT_LT(elapsed, c.maxMs);
        EXPECT_TRUE(IsWindowVisible(t.hwnd));
        EXPECT_TRUE(HasStyle(t.hwnd, WS_EX_LAYERED, true));  // a layered window stays layered
        EXPECT_EQ(t.host.busy, 0);
    }
    EXPECT_FALSE(WindowRegionExists(t.hwnd));
}
TEST(CloseEffect, WipeFromTheLeftRemovesTwentySixColumnsPerStep) {
    ShownWindow t;
    t.host.CloseEffect(3);
    FrameRecorder recorder(t.host);
    SendMessageA(t.hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(t.hwnd));  // closed as usual afterwards
    // The copy of the window, fifteen steps, the empty picture.
    ASSERT_EQ(recorder.frames.size(), 17u);
    const Frame& copy = recorder.frames[0];
    const std::uint32_t full = copy.At(200, 150);
    ASSERT_NE(full, 0u);
    for (int i = 1; i <= 15; ++i) {
        const Frame& f = recorder.frames[i];
        const int removed = 26 * i;
        const int alpha = 255 - 17 * i;
        EXPECT_EQ(f.At(removed - 1, 150), 0u) << i;
        if (removed + 101 < 390) {
            EXPECT_NEAR(Alpha(f.At(removed + 101, 150)), Alpha(full) * alpha / 255, 1) << i;
            // Fading out towards the cut.
            EXPECT_NEAR(Alpha(f.At(removed + 50, 150)), Alpha(full) * alpha / 255 / 2, 3) << i;
        }
        EXPECT_EQ(f.busy, 1);
    }
    EXPECT_TRUE(recorder.frames[16].Empty());
}

TEST(CloseEffect, EveryEffectEndsWithAnEmptyPicture) {
    struct Case {
        int effect;
        size_t steps;
        double minMs;  // the pauses
    } cases[] = {{1, 15, 150}, {2, 20, 215}, {3, 15, 120}, {4, 15, 120},
                 {5, 15, 120}, {6, 15, 120}, {7, 15, 81},  {42, 15, 120}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.effect);
        ShownWindow t({.themeColour = 0x0000FF, .captionFlags = 0}, {200, 150});
        t.host.CloseEffect(c.effect);
        FrameRecorder recorder(t.host);
        const Stopwatch watch;
        t.host.PlayCloseEffect();
        EXPECT_GE(watch.Milliseconds(), c.minMs * 0.95);
        ASSERT_EQ(recorder.frames.size(), c.steps + 2);
        EXPECT_FALSE(recorder.frames[0].Empty());
        EXPECT_FALSE(recorder.frames[1].Empty());
        EXPECT_TRUE(recorder.frames.back().Empty());
        EXPECT_TRUE(HasStyle(t.hwnd, WS_EX_LAYERED, true));  // stays layered until shown again
        EXPECT_EQ(t.host.busy, 0);
    }
}

TEST(CloseEffect, NoAnimationWithoutEffectOrOnAHiddenWindow) {
    ColourWindow hidden;
    hidden.host.CloseEffect(1);
    FrameRecorder onHidden(hidden.host);
    hidden.host.PlayCloseEffect();
    EXPECT_TRUE(onHidden.frames.empty());
    EXPECT_FALSE(HasStyle(hidden.hwnd, WS_EX_LAYERED, true));

    ShownWindow shown;
    FrameRecorder onShown(shown.host);
    SendMessageA(shown.hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(onShown.frames.empty());
}

TEST(CloseEffect, ShowingAgainAfterwardsGivesAnOrdinaryWindowBack) {
    ShownWindow t;
    t.host.CloseEffect(3);
    for (const int effect : {0, 1}) {
        SCOPED_TRACE(effect);
        t.host.PlayCloseEffect();
        ASSERT_TRUE(HasStyle(t.hwnd, WS_EX_LAYERED, true));
        t.host.Show(effect, 20);
        EXPECT_TRUE(IsWindowVisible(t.hwnd));
        EXPECT_FALSE(HasStyle(t.hwnd, WS_EX_LAYERED, true));
    }
}
TEST(Animations, InputAndComposingWaitUntilTheAnimationEnds) {
    ColourWindow t({.themeColour = 0x0000FF, .captionFlags = 0, .windowAlpha = 255});
    testing_support::RecordingControl control;
    ASSERT_NE(control.Create(t.hwnd, {100, 100, 60, 30}, kind::kButton, 1), 0u);
    FrameRecorder recorder(t.host);
    size_t composedFrames = 0;
    recorder.onFrame = [&](size_t count) {
        if (count != 4) return;
        control.received.clear();
        const LPARAM at = MAKELPARAM(120, 110);
        SendMessageA(t.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(t.hwnd, WM_LBUTTONUP, 0, at);
        // A control that asks for its rectangle to be recomposed meanwhile.
        const std::uint32_t before = t.host.back.PixelAt(120, 110);
        GdipGraphicsClear(control.graphics.get(), 0xFF00FF00);
        t.host.QueueRedraw(control.bounds, RedrawQueue::kComposeNow);
        composedFrames = t.host.back.PixelAt(120, 110) != before;
    };
    t.host.Show(1, 30);
    EXPECT_TRUE(control.ToolkitCodes().empty());  // no press, no click while animating
    EXPECT_EQ(composedFrames, 0u);
    // Afterwards both work again.
    t.host.QueueRedraw(control.bounds, RedrawQueue::kComposeNow);
    EXPECT_EQ(t.host.back.PixelAt(120, 110), 0xFF00FF00u);
    SendMessageA(t.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 110));
    SendMessageA(t.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(120, 110));
    const std::vector<UINT> codes = control.ToolkitCodes();
    EXPECT_NE(std::find(codes.begin(), codes.end(), notify::kClick), codes.end());
}

namespace {

LRESULT CALLBACK HideOnCloseProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_CLOSE) return 0;  // a window that stays, hidden, when closed
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

HWND HideOnCloseWindow() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = HideOnCloseProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "EffectsTestHideOnClose";
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    return CreateWindowExA(0, "EffectsTestHideOnClose", "t", WS_POPUP, 50, 50, 400, 300, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

TEST(Animations, CloseDuringShowStopsTheShowAndDestroysTheWindow) {
    ColourWindow t;
    t.host.CloseEffect(1);
    FrameRecorder recorder(t.host);
    recorder.onFrame = [&](size_t count) {
        if (count == 3) PostMessageA(t.hwnd, WM_CLOSE, 0, 0);
    };
    t.host.Show(3);
    EXPECT_FALSE(IsWindow(t.hwnd));
    EXPECT_LE(recorder.frames.size(), 4u);  // no close animation inside the show, no more show frames
    EXPECT_EQ(t.host.busy, 0);
    EXPECT_EQ(t.host.animating, 0);
}

TEST(Animations, CloseDuringShowOnAWindowThatOnlyHides) {
    HWND w = HideOnCloseWindow();
    CanvasHost host;
    ASSERT_TRUE(host.Attach(w, {.themeColour = 0x0000FF, .captionFlags = 0}));
    host.CloseEffect(1);
    FrameRecorder recorder(host);
    recorder.onFrame = [&](size_t count) {
        if (count == 4) PostMessageA(w, WM_CLOSE, 0, 0);
    };
    host.Show(5);
    ASSERT_TRUE(IsWindow(w));
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_LE(recorder.frames.size(), 5u);
    EXPECT_EQ(host.busy, 0);
    EXPECT_FALSE(HasStyle(w, WS_EX_LAYERED, true));

    recorder.onFrame = nullptr;
    host.Show(0);  // and it can be shown again
    EXPECT_TRUE(IsWindowVisible(w));
    DestroyWindow(w);
}

TEST(Animations, WindowDestroyedDuringCloseAnimation) {
    ShownWindow t;
    t.host.CloseEffect(6);
    FrameRecorder recorder(t.host);
    constexpr UINT kDestroy = WM_APP + 9;
    t.host.OnMessage([&](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m != kDestroy) return -1;
        DestroyWindow(w);
        return 0;
    });
    recorder.onFrame = [&](size_t count) {
        if (count == 5) PostMessageA(t.hwnd, kDestroy, 0, 0);
    };
    SendMessageA(t.hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(t.hwnd));
    EXPECT_EQ(recorder.frames.size(), 5u);
    EXPECT_EQ(t.host.busy, 0);
}

