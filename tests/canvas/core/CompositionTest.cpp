#include "TestWindow.h"

#include "canvas/core/Composition.h"

#include <gtest/gtest.h>

using namespace canvas;
using testing_support::TestWindow;

namespace {

// Paints itself in one colour whenever asked to repaint.
class SolidControl : public CanvasControl {
public:
    explicit SolidControl(ARGB colour = 0xFFFF0000) : colour(colour) {}
    int HandleMessage(canvas::Handle h, UINT code, WPARAM wparam, LPARAM lparam) override {
        if ((code == WM_PAINT || code == notify::kRepaintNow) && graphics) {
            GdipGraphicsClear(graphics.get(), colour);
            ++paints;
            Invalidate();
            return 0;
        }
        return CanvasControl::HandleMessage(h, code, wparam, lparam);
    }
    ARGB colour;
    int paints = 0;
};

constexpr std::uint32_t kBlack = 0;

// Fills the background layer with one colour and recomposes everything.
void PaintPlainBackground(TestWindow& t, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, t.host.size.cx, t.host.size.cy};
    FillRect(t.host.background.dc(), &all, brush);
    DeleteObject(brush);
    t.host.Compose({0, 0, static_cast<float>(t.host.size.cx), static_cast<float>(t.host.size.cy)}, true);
}

std::uint32_t Rgb(std::uint32_t pixel) { return pixel & 0x00FFFFFF; }

}  // namespace

TEST(Composition, OpaqueControlIsDrawnOverTheBackground) {
    TestWindow t(200, 100);
    PaintPlainBackground(t, RGB(0, 0, 255));
    SolidControl c(0xFFFF0000);
    c.Create(t.hwnd, {10, 10, 30, 20}, 2, 1);
    t.Pump();
    EXPECT_EQ(Rgb(t.host.back.PixelAt(15, 15)), 0xFF0000u);
    EXPECT_EQ(Rgb(t.host.back.PixelAt(5, 5)), 0x0000FFu);
    EXPECT_EQ(Rgb(t.host.back.PixelAt(40, 15)), 0x0000FFu);  // just right of the control
}

TEST(Composition, CrossFadeDrawsSnapshotAndBitmapAtComplementaryAlphas) {
    TestWindow t(200, 100);
    PaintPlainBackground(t, RGB(0, 0, 0));
    SolidControl c(0xFFFFFFFF);
    c.Create(t.hwnd, {10, 10, 30, 20}, 2, 1, {}, {}, 60);
    t.Pump();
    // A fade from 51: the old look (white) is the snapshot, the new look black.
    c.FadeLevel(51);
    GpBitmap* snapshot = nullptr;
    GdipCloneBitmapAreaI(0, 0, 30, 20, PixelFormat32bppARGB, c.bitmapHandle(), &snapshot);
    c.fadeSnapshot.reset(AsImage(snapshot));
    c.colour = 0xFF000000;
    GdipGraphicsClear(c.graphics.get(), c.colour);
    t.host.Compose(c.bounds, false);
    const std::uint32_t mid = t.host.back.PixelAt(20, 20) & 0xFF;
    // White at 204 over black gives 204; black at 51 over that leaves 204 * 204 / 255.
    EXPECT_NEAR(static_cast<int>(mid), 163, 3);
    for (int tick = 0; tick < 4; ++tick) {
        SendMessageA(t.hwnd, WM_TIMER, c.handle, 0);
        t.Pump();
    }
    EXPECT_EQ(c.fadeLevel, 255);
    EXPECT_EQ(c.fadeSnapshot, nullptr);
    EXPECT_EQ(Rgb(t.host.back.PixelAt(20, 20)), 0u);
}

TEST(Composition, DisabledControlIsDrawnAtItsOpacity) {
    TestWindow t(200, 100);
    PaintPlainBackground(t, RGB(0, 0, 0));
    SolidControl c(0xFFFFFFFF);
    c.Create(t.hwnd, {10, 10, 30, 20}, 2, 1);
    c.Disabled(1);
    c.fadeLevel = 10;  // ignored for a disabled control
    t.Pump();
    EXPECT_EQ(c.opacity, 127);
    EXPECT_NEAR(static_cast<int>(t.host.back.PixelAt(20, 20) & 0xFF), 127, 2);
}

TEST(Composition, EdgeTouchingRectangleDoesNotDrawTheControl) {
    const struct {
        RectF rect;
        bool intersects;
    } cases[] = {
        {{40, 10, 10, 10}, false},  // starts at the right edge
        {{0, 10, 10, 10}, false},   // ends at the left edge
        {{39, 10, 10, 10}, true},
        {{10, 30, 5, 5}, false},    // starts at the bottom edge
        {{-1e9f, -1e9f, 2e9f, 2e9f}, true},
    };
    const RectF control{10, 10, 30, 20};
    for (const auto& c : cases) EXPECT_EQ(Intersects(c.rect, control), c.intersects);
}

TEST(Composition, HiddenParentsHideChildrenFromDrawingAndHitTests) {
    TestWindow t(200, 100);
    PaintPlainBackground(t, RGB(0, 0, 0));
    SolidControl page(0xFF00FF00), child(0xFFFF0000);
    const Handle hp = page.Create(t.hwnd, {0, 0, 100, 100}, 16, 1);
    const Handle hc = child.Create(hp, {10, 10, 20, 20}, 2, 1);
    t.Pump();
    EXPECT_EQ(ControlAt(t.host.lastControl, 15, 15), hc);  // a child wins over its parent
    EXPECT_EQ(ControlAt(t.host.lastControl, 50, 50), hp);
    page.Visible(0);
    t.Pump();
    EXPECT_EQ(ControlAt(t.host.lastControl, 15, 15), 0u);
    EXPECT_EQ(Rgb(t.host.back.PixelAt(15, 15)), kBlack);
}

TEST(Composition, ChildrenAreClippedToTheirParent) {
    TestWindow t(200, 100);
    PaintPlainBackground(t, RGB(0, 0, 0));
    SolidControl page(0xFF00FF00), child(0xFFFF0000);
    const Handle hp = page.Create(t.hwnd, {0, 0, 50, 50}, 16, 1);
    child.Create(hp, {40, 10, 40, 20}, 2, 1);  // sticks out to the right
    t.Pump();
    EXPECT_EQ(Rgb(t.host.back.PixelAt(45, 15)), 0xFF0000u);
    EXPECT_EQ(Rgb(t.host.back.PixelAt(60, 15)), kBlack);
}

TEST(Composition, ZOrderChangesTheHitTestWinner) {
    TestWindow t(200, 100);
    SolidControl a, b;
    const Handle ha = a.Create(t.hwnd, {0, 0, 50, 50}, 2, 1);
    const Handle hb = b.Create(t.hwnd, {20, 20, 50, 50}, 2, 1);
    EXPECT_EQ(ControlAt(t.host.lastControl, 30, 30), hb);
    b.ZOrder(2);
    EXPECT_EQ(ControlAt(t.host.lastControl, 30, 30), ha);
    a.Disabled(1);  // disabled controls are not hit
    EXPECT_EQ(ControlAt(t.host.lastControl, 30, 30), hb);
}

TEST(Composition, ZeroSizeControlsAndWildRectanglesComposeSafely) {
    TestWindow t(200, 100);
    SolidControl empty;
    empty.Create(t.hwnd, {10, 10, 0, 0}, 2, 1);
    EXPECT_EQ(empty.bitmap, nullptr);
    t.Pump();
    t.host.Compose({-500, -500, 100000, 100000}, true);
    t.host.QueueRedraw({1e9f, 1e9f, 5, 5}, 0);
    t.host.QueueRedraw({-3, -3, 1, 1}, 2);
    SUCCEED();
}

TEST(Composition, BusyHostComposesNothing) {
    TestWindow t(200, 100);
    PaintPlainBackground(t, RGB(0, 0, 0));
    SolidControl c(0xFFFF0000);
    c.Create(t.hwnd, {10, 10, 30, 20}, 2, 1);
    t.host.busy = 1;
    t.Pump();
    EXPECT_EQ(Rgb(t.host.back.PixelAt(15, 15)), kBlack);
    t.host.busy = 0;
    c.Invalidate();
    t.Pump();
    EXPECT_EQ(Rgb(t.host.back.PixelAt(15, 15)), 0xFF0000u);
}

TEST(Composition, RectanglesAddedDuringAFlushAreTakenByTheSameFlush) {
    TestWindow t(200, 100);
    SolidControl a, b;
    a.Create(t.hwnd, {0, 0, 20, 20}, 2, 1);
    b.Create(t.hwnd, {50, 0, 20, 20}, 2, 1);
    t.Pump();
    int composes = 0;
    // Asked to compose itself, a repaints b, whose rectangle arrives mid-flush.
    a.BindEvent(notify::kCompose, [&](const ControlEvent&) {
        if (composes++ == 0) SendMessageA(t.hwnd, hostmsg::kQueueRedraw, 0, reinterpret_cast<LPARAM>(&b.bounds));
    });
    t.host.QueueRedraw(a.bounds, 0);
    EXPECT_TRUE(t.host.redrawQueue.IsIdle());
    EXPECT_EQ(t.host.redrawQueue.pending(), 0u);
}

TEST(Composition, PaintMessageCopiesTheBackBuffer) {
    TestWindow t(120, 80);
    ShowWindow(t.hwnd, SW_SHOWNA);
    PaintPlainBackground(t, RGB(0, 128, 0));
    InvalidateRect(t.hwnd, nullptr, FALSE);
    UpdateWindow(t.hwnd);
    HDC screen = GetDC(nullptr);
    RECT rc;
    GetWindowRect(t.hwnd, &rc);
    const COLORREF pixel = GetPixel(screen, rc.left + 60, rc.top + 40);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(pixel, RGB(0, 128, 0));
}
