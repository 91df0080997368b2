#include "PixelBitmap.h"
#include "TestWindow.h"
#include "canvas/controls/Drawing.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace canvas;
using controls_test::PixelBitmap;
using testing_support::TestWindow;

namespace {

constexpr std::uint32_t kEmpty = 0;
constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// The border tests draw into (1, 1, 12, 6) on a 14 x 8 bitmap: the frame
// then runs over x 1..12 and y 1..6, with empty pixels all round it.
constexpr RectF kBorderRect{1, 1, 12, 6};
constexpr int kLeft = 1, kTop = 1, kRight = 12, kBottom = 6;

bool OnFrame(int x, int y) {
    const bool inside = x >= kLeft && x <= kRight && y >= kTop && y <= kBottom;
    return inside && (x == kLeft || x == kRight || y == kTop || y == kBottom);
}

struct Probe {
    int x, y;
    std::uint32_t expected;
};

struct BorderCase {
    const char* name;
    Argb style;
    std::vector<Probe> probes;
};

// Marks a probe that expects white of any alpha: the highlight edges are drawn with half the pen
// width, which anti-aliasing may render lighter than the colour's alpha.
constexpr std::uint32_t kSomeWhite = 1;
bool IsWhite(std::uint32_t pixel) { return (pixel & kRgbMask) == kRgbMask && (pixel >> 24) != 0; }

struct PathData {
    std::vector<Gdiplus::PointF> points;
    std::vector<BYTE> types;
};

PathData ReadPath(GpPath* path) {
    INT count = 0;
    GdipGetPointCount(path, &count);
    PathData data{std::vector<Gdiplus::PointF>(count), std::vector<BYTE>(count)};
    GdipGetPathPoints(path, data.points.data(), count);
    GdipGetPathTypes(path, data.types.data(), count);
    return data;
}

bool Near(const Gdiplus::PointF& p, float x, float y) {
    constexpr float kTolerance = 0.001f;
    return std::fabs(p.X - x) < kTolerance && std::fabs(p.Y - y) < kTolerance;
}

RectF PathBounds(GpPath* path) {
    Gdiplus::RectF b;
    GdipGetPathWorldBounds(path, &b, nullptr, nullptr);
    return {b.X, b.Y, b.Width, b.Height};
}

}  // namespace

TEST(DrawBorder, StylesDrawTheirEdgesInTheirColours) {
    const BorderCase cases[] = {
        // Sunken: dark top and left, light bottom and right.
        {"sunken",
         border::kSunken,
         {{6, kTop, 0xA0000000}, {kLeft, 3, 0xA0000000}, {6, kBottom, kSomeWhite}, {kRight, 3, kSomeWhite}}},
        // Raised: light top and left, dark bottom and right; the light top
        // edge stops one pixel short, where the dark right edge begins.
        {"raised",
         border::kRaised,
         {{6, kTop, kSomeWhite}, {kLeft, 3, kSomeWhite}, {6, kBottom, 0xA8000000}, {kRight, 3, 0xA8000000}, {kRight, kTop, 0xA8000000}}},
        {"single", border::kSingle, {{6, kTop, 0xFE646464}, {kRight, 3, 0xFE646464}, {6, kBottom, 0xFE646464}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PixelBitmap b(14, 8);
        DrawBorder(b.graphics(), kBorderRect, c.style);
        for (const Probe& p : c.probes) {
            if (p.expected == kSomeWhite) {
                EXPECT_TRUE(IsWhite(b.Pixel(p.x, p.y))) << p.x << "," << p.y << std::hex << " " << b.Pixel(p.x, p.y);
            } else {
                EXPECT_EQ(b.Pixel(p.x, p.y), p.expected) << p.x << "," << p.y;
            }
        }
        // Nothing inside or outside the frame.
        EXPECT_EQ(b.Pixel(6, 3), kEmpty);
        EXPECT_EQ(b.Pixel(kRight + 1, 3), kEmpty);
        EXPECT_EQ(b.Pixel(6, kBottom + 1), kEmpty);
    }
}

TEST(DrawBorder, StyleZeroDrawsNothingEvenWithAColour) {
    PixelBitmap b(14, 8);
    DrawBorder(b.graphics(), kBorderRect, border::kNone, 0xFF00FF00);
    EXPECT_EQ(b.CountDrawn(), 0);
}

TEST(DrawBorder, AnyOtherStyleIsTheColourOfAOnePixelFrameInsideTheRectangle) {
    PixelBitmap b(14, 8);
    DrawBorder(b.graphics(), kBorderRect, 0xFF0000FF);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            EXPECT_EQ(b.Pixel(x, y), OnFrame(x, y) ? 0xFF0000FFu : kEmpty) << x << "," << y;
}

TEST(DrawBorder, SingleStyleTakesAGivenColour) {
    PixelBitmap b(14, 8);
    DrawBorder(b.graphics(), kBorderRect, border::kSingle, 0xFF00FF00);
    EXPECT_EQ(b.Pixel(6, kTop), 0xFF00FF00u);
    EXPECT_EQ(b.Pixel(kRight, 3), 0xFF00FF00u);
}

TEST(DrawBorder, DashedStyleIsABrokenFrameInTranslucentBlack) {
    PixelBitmap b(14, 8);
    DrawBorder(b.graphics(), kBorderRect, border::kDashed);
    int drawn = 0, gaps = 0;
    for (int x = kLeft; x < kRight; ++x) {
        const std::uint32_t pixel = b.Pixel(x, kTop);
        if (pixel == kEmpty) {
            ++gaps;
        } else {
            ++drawn;
            EXPECT_EQ(pixel, 0x78000000u) << x;
        }
    }
    EXPECT_GT(drawn, gaps);
    EXPECT_GT(gaps, 0);
    EXPECT_EQ(b.Pixel(6, 3), kEmpty);
}

TEST(RoundRectPath, CornerArcsSitInDiameterSizedBoxesOneUnitInsideRightAndBottom) {
    // (0, 0, 20, 10), d = 4: the arcs' boxes are at x 0 and 15, y 0 and 5, so
    // the outline runs from 0 to 19 and from 0 to 9.
    GdipPathPtr path = CreateRoundRectPath({0, 0, 20, 10}, 4);
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(PathBounds(path.get()), (RectF{0, 0, 19, 9}));

    const PathData data = ReadPath(path.get());
    ASSERT_FALSE(data.points.empty());
    // The ends of the four arcs, clockwise from the top-left corner's start.
    const std::array<Gdiplus::PointF, 8> ends{{{0, 2}, {2, 0}, {17, 0}, {19, 2}, {19, 7}, {17, 9}, {2, 9}, {0, 7}}};
    EXPECT_TRUE(Near(data.points.front(), 0, 2));
    size_t next = 0;
    for (const auto& p : data.points)
        if (next < ends.size() && Near(p, ends[next].X, ends[next].Y)) ++next;
    EXPECT_EQ(next, ends.size()) << "arc ends missing or out of order";
    EXPECT_TRUE(data.types.back() & Gdiplus::PathPointTypeCloseSubpath);
}

TEST(RoundRectPath, KeepsTheFillModeAndOffsetsByTheRectangle) {
    GdipPathPtr path = CreateRoundRectPath({10.5f, 20, 20, 10}, 6, Gdiplus::FillModeWinding);
    Gdiplus::FillMode mode = Gdiplus::FillModeAlternate;
    GdipGetPathFillMode(path.get(), &mode);
    EXPECT_EQ(mode, Gdiplus::FillModeWinding);
    EXPECT_EQ(PathBounds(path.get()), (RectF{10.5f, 20, 19, 9}));
}

TEST(RoundRectPath, NoDiameterGivesSquareCornersOnTheSameEdges) {
    GdipPathPtr path = CreateRoundRectPath({0, 0, 20, 10}, 0);
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(PathBounds(path.get()), (RectF{0, 0, 19, 9}));
    PixelBitmap b(24, 14);
    FillRoundRect(b.graphics(), {0, 0, 20, 10}, 0, 0xFF00FF00);
    EXPECT_EQ(b.Pixel(0, 0), 0xFF00FF00u);
}

TEST(RoundRect, FillCutsTheCornersAndTruncatesTheDiameter) {
    PixelBitmap truncated(24, 14), whole(24, 14);
    FillRoundRect(truncated.graphics(), {0, 0, 20, 10}, 4.9f, 0xFF00FF00);
    FillRoundRect(whole.graphics(), {0, 0, 20, 10}, 4, 0xFF00FF00);
    EXPECT_EQ(whole.Pixel(0, 0), kEmpty);
    EXPECT_EQ(whole.Pixel(10, 5), 0xFF00FF00u);
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x) ASSERT_EQ(truncated.Pixel(x, y), whole.Pixel(x, y)) << x << "," << y;
}

TEST(RoundRect, DrawStrokesTheOutlineOnly) {
    PixelBitmap b(24, 14);
    DrawRoundRect(b.graphics(), {0, 0, 20, 10}, 4, 0xFF0000FF);
    EXPECT_EQ(b.Pixel(10, 0), 0xFF0000FFu);
    EXPECT_EQ(b.Pixel(19, 5), 0xFF0000FFu);
    EXPECT_EQ(b.Pixel(10, 5), kEmpty);
    EXPECT_EQ(b.Pixel(20, 5), kEmpty);
}

TEST(FillGradientRect, RunsAlongTheModeAndLeavesTheLastRowAndColumn) {
    struct Case {
        int mode;
        POINT start, end;    // near the ends of the gradient
        POINT same1, same2;  // two pixels across the gradient, equal
    };
    constexpr std::uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF;
    const Case cases[] = {
        {Gdiplus::LinearGradientModeHorizontal, {0, 4}, {8, 4}, {4, 0}, {4, 8}},
        {Gdiplus::LinearGradientModeVertical, {4, 0}, {4, 8}, {0, 4}, {8, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        PixelBitmap b(12, 12);
        FillGradientRect(b.graphics(), {0, 0, 10, 10}, kRed, kBlue, c.mode);
        const auto redShare = [&](POINT p) { return static_cast<int>((b.Pixel(p.x, p.y) >> 16) & 0xFF); };
        EXPECT_GT(redShare(c.start), 0xC0);
        EXPECT_LT(redShare(c.end), 0x50);
        EXPECT_EQ(b.Pixel(c.same1.x, c.same1.y), b.Pixel(c.same2.x, c.same2.y));
        EXPECT_EQ(b.Pixel(9, 4), kEmpty);
        EXPECT_EQ(b.Pixel(4, 9), kEmpty);
    }
}

TEST(FillGradientRect, DefaultsToVertical) {
    PixelBitmap b(12, 12);
    FillGradientRect(b.graphics(), {0, 0, 10, 10}, 0xFFFF0000, 0xFF0000FF);
    EXPECT_EQ(b.Pixel(0, 4), b.Pixel(8, 4));
    EXPECT_NE(b.Pixel(4, 0), b.Pixel(4, 8));
}

TEST(Lines, StrokeLineAndPolygons) {
    PixelBitmap b(12, 12);
    const std::array<Gdiplus::PointF, 4> square{{{2, 2}, {9, 2}, {9, 9}, {2, 9}}};
    FillPolygon(b.graphics(), square, 0xFF00FF00);
    EXPECT_EQ(b.Pixel(5, 5), 0xFF00FF00u);
    EXPECT_EQ(b.Pixel(1, 1), kEmpty);
    DrawPolygon(b.graphics(), square, 0xFF0000FF);
    EXPECT_EQ(b.Pixel(2, 5), 0xFF0000FFu);
    EXPECT_EQ(b.Pixel(9, 5), 0xFF0000FFu);
    EXPECT_EQ(b.Pixel(5, 5), 0xFF00FF00u);
    StrokeLine(b.graphics(), 0xFFFF0000, 0, 11, 11, 11);
    EXPECT_EQ(b.Pixel(6, 11), 0xFFFF0000u);
    FillPolygon(b.graphics(), {}, 0xFF000000);  // no points: nothing, no failure
}

TEST(Clipping, RectanglesCombineAndClearClipLiftsTheClip) {
    PixelBitmap b(12, 12);
    const RectF all{0, 0, 12, 12};
    const auto fill = [&](Argb colour) {
        GdipBrushPtr brush = NewSolidBrush(colour);
        GdipFillRectangle(b.graphics(), brush.get(), 0, 0, 12, 12);
    };
    ClipToRect(b.graphics(), all, Gdiplus::CombineModeReplace);
    ClipToRect(b.graphics(), {4, 4, 4, 4}, Gdiplus::CombineModeExclude);
    fill(0xFF00FF00);
    EXPECT_EQ(b.Pixel(1, 1), 0xFF00FF00u);
    EXPECT_EQ(b.Pixel(5, 5), kEmpty);

    ClipToRect(b.graphics(), {4, 4, 4, 4}, Gdiplus::CombineModeReplace);
    fill(0xFFFF0000);
    EXPECT_EQ(b.Pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(b.Pixel(1, 1), 0xFF00FF00u);

    ClearClip(b.graphics());
    fill(0xFF0000FF);
    EXPECT_EQ(b.Pixel(1, 1), 0xFF0000FFu);
}

TEST(Clipping, ToARoundedPathCutsTheCorners) {
    PixelBitmap b(24, 14);
    GdipPathPtr path = CreateRoundRectPath({0, 0, 20, 10}, 6);
    ClipToPath(b.graphics(), path.get(), Gdiplus::CombineModeReplace);
    GdipBrushPtr brush = NewSolidBrush(0xFF00FF00);
    GdipFillRectangle(b.graphics(), brush.get(), 0, 0, 24, 14);
    EXPECT_EQ(b.Pixel(0, 0), kEmpty);
    EXPECT_EQ(b.Pixel(10, 5), 0xFF00FF00u);
    EXPECT_EQ(b.Pixel(22, 5), kEmpty);
}

// ---- IsBackgroundDark: nine samples of the host's background layer ----

namespace {

// A 100 x 50 control at (10.5, 20.5): samples at x 30, 60, 90 and y 30, 45,
// 60 (0.2, 0.5 and 0.8 of the size, truncated).
constexpr RectF kSampledRect{10.5f, 20.5f, 100, 50};
constexpr std::array<POINT, 9> kSamples{{
    {30, 30}, {60, 30}, {90, 30}, {30, 45}, {60, 45}, {90, 45}, {30, 60}, {60, 60}, {90, 60}}};

void PaintBackgroundWhite(TestWindow& t) {
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RECT all{0, 0, t.host.size.cx, t.host.size.cy};
    FillRect(t.host.background.dc(), &all, white);
}

}  // namespace

TEST(IsBackgroundDark, MoreThanFourOfTheNineSamplesMustBeDark) {
    struct Case {
        int darkSamples;
        COLORREF colour;
        int dx;  // shifts the dark pixels off the sample points
        bool expected;
    };
    const Case cases[] = {
        {4, RGB(0, 0, 0), 0, false},
        {5, RGB(0, 0, 0), 0, true},
        {9, RGB(0, 0, 0), 0, true},
        {9, RGB(0, 0, 0), 1, false},   // only the sample points count
        {5, RGB(191, 191, 191), 0, true},
        {5, RGB(192, 192, 192), 0, false},
        {5, RGB(0, 199, 255), 0, true},  // read as 0x00BBGGRR: luminance 146
    };
    TestWindow t(200, 120);
    ASSERT_TRUE(t.attached);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.darkSamples << " samples of " << std::hex << c.colour << " dx " << c.dx);
        PaintBackgroundWhite(t);
        for (int i = 0; i < c.darkSamples; ++i)
            SetPixel(t.host.background.dc(), kSamples[i].x + c.dx, kSamples[i].y, c.colour);
        EXPECT_EQ(IsBackgroundDark(t.hwnd, kSampledRect), c.expected);
    }
}

TEST(IsBackgroundDark, FalseForAWindowWithoutAHost) {
    HWND plain = CreateTopLevelWindow({.title = "plain", .width = 200, .height = 120});
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(IsBackgroundDark(plain, kSampledRect));
    EXPECT_FALSE(IsBackgroundDark(nullptr, kSampledRect));
    DestroyWindow(plain);
}
