// PaintBackground on real windows: theme colour, picture modes, frame
// styles, region, shadow, icon, the background layer, the controls drawn over
// it, the background fade and the caption layout.
#include "BackgroundTestPictures.h"
#include "TestWindow.h"

#include "canvas/core/Background.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace canvas;
using namespace background_test;
using testing_support::RecordingControl;
using testing_support::TestWindow;

namespace {

constexpr DWORD kPopup = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU;

// The premultiplied pixel the frame fill gives for an RGB colour (alpha 254).
std::uint32_t FillPixel(Rgb rgb) {
    const auto scale = [](std::uint32_t c) { return (c * 254 + 127) / 255; };
    return 0xFE000000u | scale(rgb & 0xFF) << 16 | scale((rgb >> 8) & 0xFF) << 8 | scale((rgb >> 16) & 0xFF);
}

// A control whose look is one colour; it repaints on request.
class SolidControl : public CanvasControl {
public:
    explicit SolidControl(ARGB colour) : colour_(colour) {}
    int HandleMessage(canvas::Handle h, UINT code, WPARAM wparam, LPARAM lparam) override {
        codes.push_back(code);
        if ((code == notify::kRepaintNow || code == WM_PAINT) && graphics) GdipGraphicsClear(graphics.get(), colour_);
        return CanvasControl::HandleMessage(h, code, wparam, lparam);
    }
    std::vector<UINT> codes;

private:
    ARGB colour_;
};

// The window's region, or null when it has none.
UniqueRegion WindowRegion(HWND w) {
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(w, region.get()) == ERROR) region.reset();
    return region;
}

// Whether region covers the same pixels as CreateRoundRectRgn with these
// arguments (a region that went through the window may be cut into other
// rectangles, so EqualRgn would not do).
bool RegionIs(HRGN region, int left, int top, int right, int bottom, int ellipse) {
    const UniqueRegion expected(CreateRoundRectRgn(left, top, right, bottom, ellipse, ellipse));
    const UniqueRegion difference(CreateRectRgn(0, 0, 0, 0));
    return region && CombineRgn(difference.get(), region, expected.get(), RGN_XOR) == NULLREGION;
}

}  // namespace

TEST(BackgroundPaint, ThemeColourIsTheGivenColourElseThePicturesAverage) {
    const auto red = SolidBmp(2, 2, 0xFF0000);
    const std::vector<std::uint8_t> notAPicture{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
    struct Case {
        const char* name;
        std::span<const std::uint8_t> picture;
        std::optional<int> colour;
        int expected;
    } cases[] = {
        {"red picture, no colour", red, {}, 0x0000FF},
        {"red picture, -1", red, -1, 0x0000FF},
        {"red picture, given blue", red, 0xFF0000, 0xFF0000},
        {"bytes that are no picture, given green", notAPicture, 0x00FF00, 0x00FF00},
        {"bytes that are no picture, no colour: black", notAPicture, {}, 0x000000},
        {"no picture, no colour: black", {}, {}, 0x000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWindow t(200, 150, {.picture = c.picture, .themeColour = c.colour, .captionFlags = 0, .pictureMode = 3});
        ASSERT_TRUE(t.attached);
        EXPECT_EQ(t.host.themeColour, c.expected);
        // Picture mode 3 draws no picture: the frame is the theme colour.
        EXPECT_PRED3(Near, t.host.back.PixelAt(100, 75), FillPixel(static_cast<Rgb>(c.expected)), 1);
        EXPECT_EQ(t.host.busy, 0);
    }
}

TEST(BackgroundPaint, StretchedPictureFillsTheInnerRectangle) {
    // Blue with red marks in columns 3 and 35 and rows 2 and 26, 32 and 24
    // picture pixels apart. Stretched over (5, 5, 390, 290) the picture is
    // scaled by 10 both ways and centred in the window, so the marks lie 320
    // and 240 pixels apart around (200, 150). (Scaled to the whole window they
    // would lie 328 and 248 apart; how a mark's edge is interpolated differs
    // between GDI+ versions, its distance and centre do not.)
    const auto marks = MakeBmp(39, 29, [](int x, int y) {
        return (x == 3 || x == 35 || y == 2 || y == 26) ? 0xFF0000u : 0x0000FFu;
    });
    TestWindow t(400, 300, {.picture = marks, .themeColour = 0x00FF00, .captionFlags = 0, .pictureMode = 1});
    ASSERT_TRUE(t.attached);
    const auto redder = [&](int x, int y) {
        const std::uint32_t p = t.host.back.PixelAt(x, y);
        return Red(p) > Blue(p);
    };
    // Centres of the red runs along a line inside the frame.
    const auto runs = [&](bool horizontal) {
        std::vector<double> centres;
        const int length = horizontal ? 400 : 300;
        int start = -1;
        for (int i = 10; i <= length - 10; ++i) {
            const bool red = i < length - 10 && (horizontal ? redder(i, 100) : redder(100, i));
            if (red && start < 0) start = i;
            if (!red && start >= 0) {
                centres.push_back((start + i - 1) / 2.0);
                start = -1;
            }
        }
        return centres;
    };
    const std::vector<double> columns = runs(true), rows = runs(false);
    ASSERT_EQ(columns.size(), 2u);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NEAR(columns[1] - columns[0], 320, 2);
    EXPECT_NEAR((columns[0] + columns[1]) / 2, 200, 5);
    EXPECT_NEAR(rows[1] - rows[0], 240, 2);
    EXPECT_NEAR((rows[0] + rows[1]) / 2, 150, 5);
}

TEST(BackgroundPaint, CornerPictureAtOwnSizeWithRightAndBottomBlended) {
    TestWindow t(400, 300, {.picture = SolidBmp(150, 120, 0x0000FF), .themeColour = 0x00FF00, .captionFlags = 0});
    ASSERT_TRUE(t.attached);
    const std::uint32_t blue = FillPixel(0xFF0000), green = FillPixel(0x00FF00);
    EXPECT_PRED3(Near, t.host.back.PixelAt(8, 20), blue, 2);      // from (5, 5), left edge not blended
    EXPECT_PRED3(Near, t.host.back.PixelAt(40, 8), blue, 2);      // nor the top
    EXPECT_PRED3(Near, t.host.back.PixelAt(200, 60), green, 1);   // beyond the picture
    EXPECT_PRED3(Near, t.host.back.PixelAt(154, 20), green, 16);  // its right edge fades into the colour
    EXPECT_PRED3(Near, t.host.back.PixelAt(40, 124), green, 16);  // and its bottom edge
}

TEST(BackgroundPaint, CentredPictureWithAllEdgesBlended) {
    TestWindow t(500, 400, {.picture = SolidBmp(300, 250, 0x0000FF), .themeColour = 0x00FF00, .captionFlags = 0,
                            .pictureMode = 2});
    ASSERT_TRUE(t.attached);
    const std::uint32_t blue = FillPixel(0xFF0000), green = FillPixel(0x00FF00);
    EXPECT_PRED3(Near, t.host.back.PixelAt(250, 200), blue, 2);  // the centre is the picture
    EXPECT_PRED3(Near, t.host.back.PixelAt(101, 200), green, 12);
    EXPECT_PRED3(Near, t.host.back.PixelAt(250, 76), green, 12);
    EXPECT_PRED3(Near, t.host.back.PixelAt(60, 200), green, 1);
}

TEST(BackgroundPaint, LayeredWindowAtItsAlphaWithShadowAndNoRegion) {
    struct Case {
        const char* name;
        bool picture;
        int alpha;
    } cases[] = {{"picture at 200", true, 200}, {"colour at 210", false, 210}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bytes = SolidBmp(20, 20, 0xFF0000);  // red
        TestWindow t(300, 200,
                     {.picture = c.picture ? std::span<const std::uint8_t>(bytes) : std::span<const std::uint8_t>(),
                      .themeColour = 0x0000FF, .captionFlags = 0, .windowAlpha = c.alpha, .pictureMode = 1});
        ASSERT_TRUE(t.attached);
        EXPECT_NEAR(Alpha(t.host.back.PixelAt(150, 100)), c.alpha, 2);
        EXPECT_NEAR(Red(t.host.back.PixelAt(150, 100)), c.alpha, 2);  // red, premultiplied
        EXPECT_EQ(WindowRegion(t.hwnd), nullptr);
        EXPECT_NEAR(Alpha(t.host.back.PixelAt(5, 100)), 60, 3);  // the shadow's first outline
        EXPECT_NEAR(Alpha(t.host.back.PixelAt(2, 100)), 5, 3);   // and its last
        EXPECT_EQ(t.host.back.PixelAt(0, 100), 0u);
    }
}

TEST(BackgroundPaint, OrdinaryWindowsAreCutToTheirFrame) {
    struct Case {
        const char* name;
        int frameStyle;
        bool region;
        int ellipse;
    } cases[] = {{"rounded", 7, true, 5}, {"square", 0, true, 0}, {"picture frame", 1, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWindow t(400, 300, {.captionFlags = 0, .frameStyle = c.frameStyle});
        ASSERT_TRUE(t.attached);
        const UniqueRegion region = WindowRegion(t.hwnd);
        ASSERT_EQ(region != nullptr, c.region);
        if (region) {
            EXPECT_TRUE(RegionIs(region.get(), 6, 6, 395, 295, c.ellipse));
        }
    }
}

TEST(BackgroundPaint, SquareFrameHasItsBorderInTheCorner) {
    for (const int frameStyle : {0, 7}) {
        SCOPED_TRACE(frameStyle);
        TestWindow t(200, 150,
                     {.themeColour = 0xFFFFFF, .captionFlags = 0, .pictureMode = 3, .frameStyle = frameStyle});
        ASSERT_TRUE(t.attached);
        const std::uint32_t corner = t.host.back.PixelAt(6, 6);
        if (frameStyle == 0) {
            EXPECT_LT(Red(corner), 200);  // the dark outline over white
            EXPECT_EQ(Alpha(corner), 254);
        } else {
            EXPECT_EQ(corner, 0u);  // cut off by the rounded frame
        }
        EXPECT_LT(Red(t.host.back.PixelAt(6, 75)), 200);  // both have the outline along the edge
    }
}

TEST(BackgroundPaint, OnePixelPictureInEveryMode) {
    const auto dot = SolidBmp(1, 1, 0x0000FF);
    const int modes[] = {0, 1, 2};
    for (const int mode : modes) {
        SCOPED_TRACE(mode);
        TestWindow t(200, 150, {.picture = dot, .captionFlags = 0, .pictureMode = mode});
        ASSERT_TRUE(t.attached);
        EXPECT_EQ(t.host.themeColour, 0xFF0000);
        EXPECT_PRED3(Near, t.host.back.PixelAt(100, 75), FillPixel(0xFF0000), 2);
        EXPECT_EQ(t.host.busy, 0);
    }
}

TEST(BackgroundPaint, MaximisedWindowRegionIsOnePixelLarger) {
    TestWindow t(400, 300, {.captionFlags = 0}, kPopup | WS_MAXIMIZEBOX);
    ASSERT_TRUE(t.attached);
    ShowWindow(t.hwnd, SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(t.hwnd));
    RECT rc;
    GetWindowRect(t.hwnd, &rc);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    ASSERT_EQ(t.host.size.cx, w);
    EXPECT_TRUE(RegionIs(WindowRegion(t.hwnd).get(), 5, 5, w - 4, h - 4, 5));
}

TEST(BackgroundPaint, PictureFrameDrawsThePictureAtItsOwnSize) {
    TestWindow t(100, 80, {.picture = SolidBmp(20, 10, 0x0000FF), .captionFlags = 0, .frameStyle = 1});
    ASSERT_TRUE(t.attached);
    EXPECT_EQ(t.host.back.PixelAt(0, 0), 0xFF0000FFu);
    EXPECT_EQ(t.host.back.PixelAt(19, 9), 0xFF0000FFu);
    EXPECT_EQ(t.host.back.PixelAt(20, 9), 0u);  // not stretched, and no colour around it
    EXPECT_EQ(t.host.back.PixelAt(50, 40), 0u);
    EXPECT_EQ(t.host.clientClip, nullptr);
}

TEST(BackgroundPaint, PictureFrameWithCentreIsANineGrid) {
    const auto pieces = MakeBmp(30, 30, [](int x, int y) {
        return (x >= 10 && x < 20 && y >= 10 && y < 20) ? 0x00FF00u : (x < 10 && y < 10 ? 0xFF0000u : 0x0000FFu);
    });
    TestWindow t(200, 150, {.picture = pieces, .captionFlags = 0, .frameStyle = 1, .pictureCentre = {10, 10, 20, 20}});
    ASSERT_TRUE(t.attached);
    EXPECT_EQ(t.host.back.PixelAt(0, 0), 0xFFFF0000u);
    EXPECT_EQ(t.host.back.PixelAt(9, 9), 0xFFFF0000u);  // the corner stays 10 x 10
    EXPECT_EQ(t.host.back.PixelAt(10, 10), 0xFF00FF00u);
    EXPECT_EQ(t.host.back.PixelAt(189, 139), 0xFF00FF00u);  // the centre stretches to the far corner
    EXPECT_EQ(t.host.back.PixelAt(199, 149), 0xFF0000FFu);
}

TEST(BackgroundPaint, BadNineGridCentresDrawNothingOutsideTheWindow) {
    const RECT centres[] = {{10, 10, 90, 90}, {25, 25, 26, 26}, {40, 40, 50, 50}, {20, 20, 10, 10}};
    for (const RECT& centre : centres) {
        TestWindow t(60, 50, {.picture = SolidBmp(30, 30, 0x0000FF), .captionFlags = 0, .frameStyle = 1,
                              .pictureCentre = centre});
        ASSERT_TRUE(t.attached);
        EXPECT_EQ(t.host.busy, 0);
        EXPECT_EQ(t.host.back.PixelAt(0, 0), 0xFF0000FFu) << centre.left;
    }
}

TEST(BackgroundPaint, WindowIconOnlyWithCaptionFlagOne) {
    HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32516));  // IDI_INFORMATION
    ASSERT_NE(icon, nullptr);
    for (const int flags : {1, 4}) {
        TestWindow t(200, 150, {.themeColour = 0x00FF00, .captionFlags = 0, .pictureMode = 3});
        SendMessageA(t.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        t.host.captionFlags = flags;
        t.host.PaintBackground({.presentMode = CanvasHost::kNoPresent});
        int changed = 0;
        for (int y = 11; y < 27; ++y)
            for (int x = 11; x < 27; ++x) changed += !Near(t.host.back.PixelAt(x, y), FillPixel(0x00FF00), 1);
        if (flags & 1) {
            EXPECT_GT(changed, 20);
        } else {
            EXPECT_EQ(changed, 0);
        }
        EXPECT_PRED3(Near, t.host.back.PixelAt(28, 19), FillPixel(0x00FF00), 1);  // 16 x 16 at (11, 11)
        t.host.captionFlags = 0;
    }
}

TEST(BackgroundPaint, WindowIconKeepsTheLayeredWindowOpaque) {
    HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32516));  // IDI_INFORMATION
    TestWindow t(200, 150, {.themeColour = 0x00FF00, .captionFlags = 0, .windowAlpha = 200, .pictureMode = 3});
    SendMessageA(t.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    t.host.captionFlags = 1;
    t.host.PaintBackground({.presentMode = CanvasHost::kNoPresent});
    int holes = 0;
    for (int y = 11; y < 27; ++y)
        for (int x = 11; x < 27; ++x) {
            const std::uint32_t p = t.host.back.PixelAt(x, y);
            holes += Alpha(p) < 200 || Red(p) > Alpha(p) || Green(p) > Alpha(p) || Blue(p) > Alpha(p);
        }
    EXPECT_EQ(holes, 0);
    t.host.captionFlags = 0;
}

TEST(BackgroundPaint, ControlsAreRepaintedOverTheBackgroundLayerInsideTheClientClip) {
    TestWindow t(200, 150, {.themeColour = 0x00FF00, .captionFlags = 0, .pictureMode = 3});
    ASSERT_TRUE(t.attached);
    std::vector<std::string> order;
    t.host.OnPaintBackground([&](HWND w, GpGraphics* g, int width, int height) {
        EXPECT_EQ(w, t.hwnd);
        EXPECT_EQ(g, t.host.back.graphics());
        EXPECT_EQ(width, 200);
        EXPECT_EQ(height, 150);
        order.push_back("background");
        GdipSetClipRect(g, 0, 0, 1000, 1000, Gdiplus::CombineModeReplace);
        GdipGraphicsClear(g, 0xFFFFFFFF);  // shows up in the background layer
        GdipResetClip(g);
    });
    SolidControl control(0xFF0000FF);
    ASSERT_NE(control.Create(t.hwnd, {0, 0, 50, 50}, 2, 1), 0u);
    control.BindEvent(notify::kRepaintNow, [&](const ControlEvent&) { order.push_back("control"); });
    control.codes.clear();

    t.host.PaintBackground({.presentMode = CanvasHost::kNoPresent});
    EXPECT_EQ(order, (std::vector<std::string>{"background", "control"}));
    EXPECT_EQ(std::count(control.codes.begin(), control.codes.end(), notify::kRepaintNow), 1);
    ASSERT_NE(t.host.clientClip, nullptr);
    // Under the control the back buffer has it, the background layer not.
    EXPECT_EQ(t.host.back.PixelAt(20, 20), 0xFF0000FFu);
    EXPECT_EQ(t.host.background.PixelAt(20, 20) | 0xFF000000u, 0xFFFFFFFFu);
    // The client clip (inset 7) keeps the control off the frame.
    EXPECT_EQ(t.host.back.PixelAt(6, 20), t.host.background.PixelAt(6, 20));
    EXPECT_EQ(t.host.back.PixelAt(7, 20), 0xFF0000FFu);
    // Elsewhere both are the same.
    EXPECT_EQ(t.host.back.PixelAt(120, 100), t.host.background.PixelAt(120, 100));
}

TEST(BackgroundPaint, FadeShowsTheNewLookOnlyFromTheFirstTickAndEndsAfterTheSixth) {
    TestWindow t(200, 150, {.themeColour = 0x0000FF, .captionFlags = 0, .pictureMode = 3});
    ASSERT_TRUE(t.attached);
    ShowWindow(t.hwnd, SW_SHOWNOACTIVATE);
    t.Pump();
    t.host.Present();
    const auto screen = [&] { return GetPixel(t.host.windowDc, 100, 75) & 0xFFFFFF; };
    ASSERT_EQ(screen(), 0x0000FEu);

    t.host.PaintBackground({.themeColour = 0xFF0000, .presentMode = CanvasHost::kFadeIn});
    EXPECT_EQ(t.host.busy, 1);
    EXPECT_EQ(screen(), 0x0000FEu);  // nothing new before the first tick
    const auto tick = [&] { SendMessageA(t.hwnd, WM_TIMER, t.host.handle, 0); };
    tick();
    const COLORREF first = screen();
    EXPECT_NEAR(GetRValue(first), 254 * 204 / 255, 3);
    EXPECT_NEAR(GetBValue(first), 254 * 51 / 255, 3);
    for (int i = 2; i <= 5; ++i) tick();
    EXPECT_EQ(screen(), 0xFE0000u);
    EXPECT_EQ(t.host.busy, 1);
    tick();  // the sixth ends the fade
    EXPECT_EQ(t.host.busy, 0);
    EXPECT_EQ(t.host.fading, 0);
    EXPECT_EQ(screen(), 0xFE0000u);
    tick();  // a late tick changes nothing
    EXPECT_EQ(t.host.busy, 0);
}

TEST(BackgroundPaint, LayeredFadeKeepsTheOldLookUntilItEnds) {
    TestWindow t(200, 150, {.themeColour = 0x0000FF, .captionFlags = 0, .windowAlpha = 255, .pictureMode = 3});
    ASSERT_TRUE(t.attached);
    t.host.PaintBackground({.themeColour = 0xFF0000, .presentMode = CanvasHost::kFadeIn});
    ASSERT_NE(t.host.fade.dc(), nullptr);
    EXPECT_PRED3(Near, t.host.fade.PixelAt(100, 75), FillPixel(0x0000FF), 1);  // the old look
    for (int i = 1; i <= 5; ++i) SendMessageA(t.hwnd, WM_TIMER, t.host.handle, 0);
    EXPECT_PRED3(Near, t.host.fade.PixelAt(100, 75), FillPixel(0xFF0000), 1);
    SendMessageA(t.hwnd, WM_TIMER, t.host.handle, 0);
    EXPECT_EQ(t.host.fade.dc(), nullptr);
    EXPECT_EQ(t.host.busy, 0);
}

TEST(BackgroundPaint, RepaintingDuringAFadeEndsTheFade) {
    TestWindow t(200, 150, {.themeColour = 0x0000FF, .captionFlags = 0, .windowAlpha = 255});
    ASSERT_TRUE(t.attached);
    t.host.PaintBackground({.themeColour = 0xFF0000, .presentMode = CanvasHost::kFadeIn});
    SendMessageA(t.hwnd, WM_TIMER, t.host.handle, 0);
    SetWindowPos(t.hwnd, nullptr, 0, 0, 260, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(t.host.fading, 0);
    EXPECT_EQ(t.host.busy, 0);
    EXPECT_EQ(t.host.fade.dc(), nullptr);
    EXPECT_EQ(t.host.back.width(), 260);
}

TEST(BackgroundPaint, SkinSourceLendsPictureAndColourWhileItLives) {
    TestWindow source(200, 150, {.picture = SolidBmp(4, 4, 0x00FF00), .captionFlags = 0});
    ASSERT_TRUE(source.attached);
    ASSERT_EQ(source.host.themeColour, 0x00FF00);
    TestWindow borrower(200, 150, {.themeColour = 0x0000FF, .captionFlags = 0, .pictureMode = 1,
                                   .skinSource = source.hwnd});
    ASSERT_TRUE(borrower.attached);
    EXPECT_EQ(borrower.host.themeColour, 0x00FF00);
    EXPECT_EQ(borrower.host.pictureImage(), source.host.picture.image());
    EXPECT_PRED3(Near, borrower.host.back.PixelAt(100, 75), FillPixel(0x00FF00), 2);

    DestroyWindow(source.hwnd);  // the source dies: its picture is gone
    SetWindowPos(borrower.hwnd, nullptr, 0, 0, 220, 160, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(borrower.host.pictureImage(), nullptr);
    EXPECT_EQ(borrower.host.themeColour, 0x00FF00);  // the last colour stays
    EXPECT_PRED3(Near, borrower.host.back.PixelAt(100, 75), FillPixel(0x00FF00), 1);
}

TEST(BackgroundPaint, TinySizesPaintWithoutHarm) {
    TestWindow t(200, 150, {.themeColour = 0x0000FF, .captionFlags = 0});
    ASSERT_TRUE(t.attached);
    const SIZE sizes[] = {{21, 20}, {1, 1}, {0, 0}, {120, 90}};
    for (const SIZE s : sizes) {
        SetWindowPos(t.hwnd, nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(t.host.busy, 0) << s.cx;
    }
    EXPECT_PRED3(Near, t.host.back.PixelAt(60, 45), FillPixel(0x0000FF), 1);
    EXPECT_TRUE(RegionIs(WindowRegion(t.hwnd).get(), 6, 6, 120 - 5, 90 - 5, 5));
}

TEST(LayoutCaption, ButtonsFromTheRightAndTheTitleInTheRest) {
    struct Case {
        const char* name;
        int width;
        int flags;
        std::vector<float> buttonX;
        float titleX, titleWidth;
    } cases[] = {
        {"close, icon and title", 500, 1 | 2 | 4, {455}, 29, 426},
        {"three buttons, no icon", 500, 2 | 4 | 8 | 16, {455, 427, 399}, 11, 388},
        {"no close button", 300, 2 | 32, {267}, 11, 256},
        {"too narrow for a title", 80, 1 | 2 | 4 | 8 | 16, {35, 7, -21}, 29, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestWindow t(c.width, 200);
        ASSERT_TRUE(t.attached);
        t.host.captionFlags = c.flags;
        for (size_t i = 0; i < c.buttonX.size(); ++i) {
            auto button = std::make_unique<RecordingControl>();
            button->Create(t.hwnd, {0, 0, i == 0 && (c.flags & 4) ? 39.0f : 28.0f, 19}, kind::kCaptionButton, 1);
            t.host.captionButtons.push_back(std::move(button));
        }
        auto title = std::make_unique<RecordingControl>();
        title->Create(t.hwnd, {0, 11, 0, 18}, kind::kLabel, 1);
        RecordingControl* titleControl = title.get();
        t.host.titleLabel = std::move(title);
        titleControl->received.clear();

        t.host.LayoutCaption();
        for (size_t i = 0; i < c.buttonX.size(); ++i) {
            EXPECT_EQ(t.host.captionButtons[i]->bounds.x, c.buttonX[i]) << i;
            EXPECT_EQ(t.host.captionButtons[i]->bounds.y, 7);
        }
        EXPECT_EQ(titleControl->bounds, (RectF{c.titleX, 11, c.titleWidth, 18}));
        t.Pump();  // the title's repaint request is posted
        const std::vector<UINT> codes = titleControl->Codes();
        EXPECT_NE(std::find(codes.begin(), codes.end(), WM_PAINT), codes.end());
    }
}
