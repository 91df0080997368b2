#include "PixelBitmap.h"
#include "TestWindow.h"
#include "canvas/controls/Colour.h"
#include "canvas/controls/ControlPaint.h"
#include "canvas/core/CanvasControl.h"
#include "canvas/core/CanvasHost.h"

#include <gtest/gtest.h>

using namespace canvas;
using testing_support::TestWindow;

namespace {

constexpr Argb kRed = 0xFFFF0000, kGreen = 0xFF00FF00;
constexpr int kFadePeriod = 60;
constexpr RectF kBounds{10, 10, 30, 20};

// One paint of the whole control in a single colour, framed as every painter
// frames it. False when BeginControlPaint refused.
bool PaintSolid(CanvasControl& c, Argb colour) {
    PaintContext ctx;
    if (!BeginControlPaint(c, ctx)) return false;
    GdipGraphicsClear(ctx.graphics, colour);
    EndControlPaint(c, ctx);
    return true;
}

std::uint32_t BitmapPixel(GpImage* image, int x, int y) {
    Gdiplus::ARGB argb = 0;
    GdipBitmapGetPixel(reinterpret_cast<GpBitmap*>(image), x, y, &argb);
    return argb;
}

// Whether the control's fade timer was running (stopping it as a side effect).
bool TimerWasRunning(const TestWindow& t, const CanvasControl& c) { return KillTimer(t.hwnd, c.handle) != 0; }

// Waits for the next WM_TIMER of the control's fade timer and takes it from
// the queue; false after two seconds without one.
bool NextFadeTick(const TestWindow& t, const CanvasControl& c, MSG& tick) {
    constexpr DWORD kPatienceMs = 2000;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kPatienceMs) {
        if (PeekMessageA(&tick, t.hwnd, WM_TIMER, WM_TIMER, PM_REMOVE) && tick.wParam == c.handle) return true;
        Sleep(5);
    }
    return false;
}

void PaintBackgroundBlack(TestWindow& t) {
    RECT all{0, 0, t.host.size.cx, t.host.size.cy};
    FillRect(t.host.background.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    t.host.Compose({0, 0, static_cast<float>(t.host.size.cx), static_cast<float>(t.host.size.cy)}, false);
}

}  // namespace

TEST(ControlPaint, RefusesAControlWithoutAHost) {
    CanvasControl never;
    never.bounds = kBounds;
    PaintContext ctx;
    EXPECT_FALSE(BeginControlPaint(never, ctx));
    EXPECT_EQ(ctx.rect, (RectF{0, 0, 30, 20}));
    EXPECT_EQ(ctx.window, nullptr);
    EXPECT_EQ(ctx.cleared, 0);
    EndControlPaint(never, ctx);  // nothing to hand over, no failure

    CanvasControl orphan;
    {
        TestWindow t;
        ASSERT_NE(orphan.Create(t.hwnd, kBounds, kind::kButton, 1), 0u);
    }  // the window goes, and the host destroys its controls
    EXPECT_FALSE(PaintSolid(orphan, kRed));
}

TEST(ControlPaint, FillsTheContextAndClearsTheBitmap) {
    TestWindow t;
    CanvasControl c;
    ASSERT_NE(c.Create(t.hwnd, kBounds, kind::kButton, 1), 0u);
    GdipGraphicsClear(c.graphics.get(), kRed);

    PaintContext ctx;
    ASSERT_TRUE(BeginControlPaint(c, ctx));
    EXPECT_EQ(ctx.window, t.hwnd);
    EXPECT_EQ(ctx.graphics, c.graphics.get());
    EXPECT_EQ(ctx.rect, (RectF{0, 0, 30, 20}));
    EXPECT_EQ(ctx.cleared, 1);
    EXPECT_EQ(ctx.refs.host, &t.host);
    EXPECT_EQ(ctx.refs.windowDc, t.host.windowDc);
    EXPECT_EQ(ctx.refs.backDc, t.host.back.dc());
    EXPECT_EQ(ctx.refs.backGraphics, t.host.back.graphics());
    EXPECT_EQ(ctx.refs.bitmap, c.bitmapHandle());
    EXPECT_EQ(BitmapPixel(c.bitmap.get(), 5, 5) >> 24, 0u) << "cleared to transparent";
    EndControlPaint(c, ctx);
}

TEST(ControlPaint, EndHandsTheNewLookToTheHostAtOnce) {
    TestWindow t(200, 100);
    PaintBackgroundBlack(t);
    CanvasControl c;
    ASSERT_NE(c.Create(t.hwnd, kBounds, kind::kButton, 1), 0u);
    ASSERT_TRUE(PaintSolid(c, kGreen));
    // Sent, not posted: the back buffer shows it without pumping messages.
    EXPECT_EQ(t.host.back.PixelAt(15, 15) & 0x00FFFFFF, 0x00FF00u);
    EXPECT_EQ(t.host.back.PixelAt(45, 15) & 0x00FFFFFF, 0x000000u);
}

TEST(ControlPaint, SnapshotOnlyForAFadingControlOfAnIdleHost) {
    struct Case {
        const char* name;
        int fadePeriod;
        int startLevel;
        int busy;
        int animate;
        bool snapshot;
        bool timer;
    };
    const Case cases[] = {
        {"cross-fade", kFadePeriod, 0, 0, 1, true, true},
        {"no fade period", 0, 0, 0, 1, false, false},
        {"level at opacity", kFadePeriod, 255, 0, 1, false, true},
        {"host busy", kFadePeriod, 0, 1, 1, false, true},
        {"animation off", kFadePeriod, 0, 0, 0, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestWindow t;
        CanvasControl control;
        ASSERT_NE(control.Create(t.hwnd, kBounds, kind::kButton, 1, {}, {}, c.fadePeriod), 0u);
        ASSERT_TRUE(PaintSolid(control, kRed));
        KillTimer(t.hwnd, control.handle);

        t.host.animateControls = c.animate;
        control.FadeLevel(c.startLevel);
        t.host.busy = c.busy;
        PaintContext ctx;
        ASSERT_TRUE(BeginControlPaint(control, ctx));
        ASSERT_EQ(control.fadeSnapshot != nullptr, c.snapshot);
        if (c.snapshot) {
            EXPECT_EQ(BitmapPixel(control.fadeSnapshot.get(), 5, 5), kRed) << "the look before this paint";
        }
        GdipGraphicsClear(ctx.graphics, kGreen);
        EndControlPaint(control, ctx);
        t.host.busy = 0;
        EXPECT_EQ(TimerWasRunning(t, control), c.timer);
    }
}

TEST(ControlPaint, BeginDropsAnOldSnapshotEvenWithoutFades) {
    TestWindow t;
    CanvasControl c;
    ASSERT_NE(c.Create(t.hwnd, kBounds, kind::kLabel, 1), 0u);
    GpBitmap* copy = nullptr;
    GdipCloneBitmapAreaI(0, 0, 30, 20, PixelFormat32bppARGB, c.bitmapHandle(), &copy);
    c.fadeSnapshot.reset(AsImage(copy));
    ASSERT_TRUE(PaintSolid(c, kRed));
    EXPECT_EQ(c.fadeSnapshot, nullptr);
}

TEST(ControlPaint, BeginStopsARunningFadeUnlessTheHostIsBusy) {
    TestWindow t;
    CanvasControl c;
    ASSERT_NE(c.Create(t.hwnd, kBounds, kind::kButton, 1, {}, {}, kFadePeriod), 0u);
    PaintContext ctx;

    ASSERT_TRUE(StartControlTimer(t.hwnd, c.handle, kFadePeriod));
    ASSERT_TRUE(BeginControlPaint(c, ctx));
    EXPECT_FALSE(TimerWasRunning(t, c));

    ASSERT_TRUE(StartControlTimer(t.hwnd, c.handle, kFadePeriod));
    t.host.busy = 1;
    ASSERT_TRUE(BeginControlPaint(c, ctx));
    t.host.busy = 0;
    EXPECT_TRUE(TimerWasRunning(t, c));
}

TEST(ControlPaint, CrossFadeTicksReachTheControlAndEndAtItsOpacity) {
    TestWindow t;
    CanvasControl c;
    ASSERT_NE(c.Create(t.hwnd, kBounds, kind::kButton, 1, {}, {}, kFadePeriod), 0u);
    ASSERT_TRUE(PaintSolid(c, kRed));
    c.FadeLevel(0);
    ASSERT_TRUE(PaintSolid(c, kGreen));
    ASSERT_NE(c.fadeSnapshot, nullptr);

    // The first tick comes from the real timer, through the host, to the control.
    MSG tick;
    ASSERT_TRUE(NextFadeTick(t, c, tick));
    DispatchMessageA(&tick);
    EXPECT_EQ(c.fadeLevel, 51);
    // The rest by hand: four more steps of 51 end the fade.
    for (int step = 2; step <= 5; ++step) SendMessageA(t.hwnd, WM_TIMER, c.handle, 0);
    EXPECT_EQ(c.fadeLevel, 255);
    EXPECT_EQ(c.fadeSnapshot, nullptr);
    EXPECT_FALSE(TimerWasRunning(t, c));
}

TEST(ControlPaint, StartControlTimerRefusesNonsense) {
    TestWindow t;
    EXPECT_FALSE(StartControlTimer(nullptr, 1234, kFadePeriod));
    EXPECT_FALSE(StartControlTimer(t.hwnd, 1234, 0));
    EXPECT_FALSE(StartControlTimer(t.hwnd, 1234, -60));
}
