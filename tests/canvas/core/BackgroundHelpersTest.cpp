// The background's free helpers: average colour, picture placement,
// nine-grid, edge blending, shadow and frame region.
#include "BackgroundTestPictures.h"

#include "canvas/core/Background.h"
#include "canvas/core/Surface.h"
#include "canvas/services/Picture.h"

#include <gtest/gtest.h>

#include <array>

using namespace canvas;
using namespace background_test;

namespace {

// A scratch surface with a GDI+ graphics, cleared to transparent.
struct Canvas {
    Canvas(int w, int h) {
        surface.CreateWithGraphics(w, h);
        GdipGraphicsClear(surface.graphics(), 0);
    }
    std::uint32_t At(int x, int y) {
        GdipFlush(surface.graphics(), Gdiplus::FlushIntentionSync);
        return surface.PixelAt(x, y);
    }
    GpGraphics* g() { return surface.graphics(); }
    Surface surface;
};

}  // namespace

TEST(AverageColour, IsTheTruncatedMeanOfEachChannel) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        Rgb expected;
    } cases[] = {
        {"2 x 2 red", SolidBmp(2, 2, 0xFF0000), 0x0000FF},
        {"1 x 1", SolidBmp(1, 1, 0x0A141E), 0x1E140A},
        {"half red, half black truncates", MakeBmp(2, 1, [](int x, int) { return x ? 0xFF0000u : 0u; }), 0x00007F},
        // More rows than one read takes: every row must count once.
        {"300 rows, top half white", MakeBmp(3, 300, [](int, int y) { return y < 150 ? 0xFFFFFFu : 0u; }), 0x7F7F7F},
    };
    for (const Case& c : cases) {
        Picture picture = LoadPicture(c.bytes);
        ASSERT_TRUE(picture) << c.name;
        EXPECT_EQ(AverageColour(nullptr, picture.image()), c.expected) << c.name;
    }
}

TEST(AverageColour, IsBlackWithoutAPicture) { EXPECT_EQ(AverageColour(nullptr, nullptr), 0u); }

namespace {

// 30 x 30, centre (10, 10, 10, 10): each of the nine pieces has its own colour.
constexpr std::array<std::uint32_t, 9> kPieceColours{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF,
                                                     0xFF00FF, 0x800000, 0x008000, 0x000080};
std::uint32_t PieceColour(int x, int y) { return kPieceColours[(y / 10) * 3 + x / 10]; }
std::uint32_t Opaque(std::uint32_t rgb) { return 0xFF000000u | rgb; }

}  // namespace

TEST(DrawNineGrid, CornersKeepTheirSizeEdgesAndCentreStretch) {
    Picture picture = LoadPicture(MakeBmp(30, 30, PieceColour));
    ASSERT_TRUE(picture);
    Canvas canvas(120, 100);
    DrawNineGrid(canvas.g(), picture.image(), {10, 10, 100, 80}, {10, 10, 10, 10}, 0, false);
    struct Probe {
        int x, y, piece;
    } probes[] = {
        {10, 10, 0}, {19, 19, 0},  {20, 10, 1},  {99, 19, 1},  {100, 10, 2}, {109, 19, 2}, {10, 20, 3},
        {19, 79, 3}, {20, 20, 4},  {99, 79, 4},  {60, 50, 4},  {100, 20, 5}, {109, 79, 5}, {10, 80, 6},
        {19, 89, 6}, {20, 80, 7},  {99, 89, 7},  {100, 80, 8}, {109, 89, 8},
    };
    for (const Probe& p : probes)
        EXPECT_PRED3(Near, canvas.At(p.x, p.y), Opaque(kPieceColours[p.piece]), 2) << p.x << "," << p.y;
    EXPECT_EQ(canvas.At(9, 50), 0u);    // nothing left of dest
    EXPECT_EQ(canvas.At(110, 50), 0u);  // nor right of it
}

TEST(DrawNineGrid, DrawsAtTheGivenAlpha) {
    Picture picture = LoadPicture(MakeBmp(30, 30, PieceColour));
    Canvas canvas(60, 60);
    DrawNineGrid(canvas.g(), picture.image(), {0, 0, 60, 60}, {10, 10, 10, 10}, 128, true);
    EXPECT_NEAR(Alpha(canvas.At(30, 30)), 128, 2);
    DrawNineGrid(canvas.g(), picture.image(), {0, 0, 60, 60}, {10, 10, 10, 10}, 128, false);  // alpha not used
    EXPECT_EQ(Alpha(canvas.At(30, 30)), 255);
}

TEST(DrawNineGrid, BadCentresAndSmallDestinationsStayInsideDest) {
    Picture picture = LoadPicture(MakeBmp(30, 30, PieceColour));
    struct Case {
        const char* name;
        RectF centre;
        RectF dest;
    } cases[] = {
        {"centre larger than the picture", {10, 10, 50, 50}, {10, 10, 50, 40}},
        {"centre outside the picture", {40, 40, 5, 5}, {10, 10, 50, 40}},
        {"negative centre", {-5, -5, -10, 10}, {10, 10, 50, 40}},
        {"empty centre", {10, 10, 0, 0}, {10, 10, 50, 40}},
        {"dest smaller than the corners", {10, 10, 10, 10}, {10, 10, 15, 12}},
        {"empty dest", {10, 10, 10, 10}, {10, 10, 0, 0}},
    };
    for (const Case& c : cases) {
        Canvas canvas(80, 70);
        DrawNineGrid(canvas.g(), picture.image(), c.dest, c.centre, 0, false);
        const int right = static_cast<int>(c.dest.x + c.dest.width);
        const int bottom = static_cast<int>(c.dest.y + c.dest.height);
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 80; ++x) {
                const bool inside = x >= 10 && y >= 10 && x < right && y < bottom;
                if (!inside) {
                    ASSERT_EQ(canvas.At(x, y), 0u) << c.name << " drew at " << x << "," << y;
                }
            }
    }
}

TEST(DrawNineGrid, OversizedCentreIsCutToThePicture) {
    // Centre (10, 10, 50, 50) on 30 x 30 becomes (10, 10, 20, 20): no right or
    // bottom margin, the top-left corner stays 10 x 10 and the rest stretches.
    Picture picture = LoadPicture(MakeBmp(30, 30, PieceColour));
    Canvas canvas(100, 100);
    DrawNineGrid(canvas.g(), picture.image(), {0, 0, 100, 100}, {10, 10, 50, 50}, 0, false);
    EXPECT_PRED3(Near, canvas.At(9, 9), Opaque(kPieceColours[0]), 2);
    EXPECT_PRED3(Near, canvas.At(2, 99), Opaque(kPieceColours[6]), 2);  // left edge runs to the bottom
    EXPECT_NE(canvas.At(99, 99), 0u);
}

TEST(DrawPictureAt, DrawsAtOwnSizeAtThePointOrCentredOnTheRect) {
    Picture picture = LoadPicture(SolidBmp(4, 4, 0x0000FF));
    struct Case {
        RectF rect;
        bool centred;
        int left, top;  // where the picture lands
    } cases[] = {
        {{3, 2, 50, 50}, false, 3, 2},
        {{10, 10, 20, 12}, true, 18, 14},
        {{0, 0, 5, 5}, true, 1, 1},  // 0.5 rounds away from zero
    };
    for (const Case& c : cases) {
        Canvas canvas(40, 40);
        DrawPictureAt(canvas.g(), picture.image(), c.rect, c.centred);
        EXPECT_EQ(canvas.At(c.left, c.top), 0xFF0000FFu) << c.left;
        EXPECT_EQ(canvas.At(c.left + 3, c.top + 3), 0xFF0000FFu) << c.left;
        EXPECT_EQ(canvas.At(c.left - 1, c.top), 0u) << c.left;
        EXPECT_EQ(canvas.At(c.left + 4, c.top + 4), 0u) << c.left;
    }
}

TEST(BlendEdges, EachBandRunsFromClearInsideToTheColourAtTheEdge) {
    // rect (0, 0, 300, 300), band 100: top and left start at the rect, bottom
    // and right end offset 6 beyond it.
    struct Case {
        const char* name;
        Edges edges;
        int outerX, outerY;  // where the band has the full colour
        int innerX, innerY;  // where it has faded out
    } cases[] = {
        {"top", {.top = true}, 150, 0, 150, 98},
        {"left", {.left = true}, 0, 150, 98, 150},
        {"bottom", {.bottom = true}, 150, 305, 150, 207},
        {"right", {.right = true}, 305, 150, 207, 150},
    };
    for (const Case& c : cases) {
        Canvas canvas(320, 320);
        BlendEdges(canvas.g(), {0, 0, 300, 300}, 0xFF0000, c.edges);  // blue as 0x00BBGGRR
        EXPECT_GE(Alpha(canvas.At(c.outerX, c.outerY)), 240) << c.name;
        EXPECT_EQ(Blue(canvas.At(c.outerX, c.outerY)), Alpha(canvas.At(c.outerX, c.outerY))) << c.name;
        EXPECT_LE(Alpha(canvas.At(c.innerX, c.innerY)), 10) << c.name;
        EXPECT_EQ(canvas.At(150, 150), 0u) << c.name;
    }
}

TEST(BlendEdges, NarrowRectsUseHalfTheirSizeAsBand) {
    Canvas canvas(120, 120);
    BlendEdges(canvas.g(), {0, 0, 40, 100}, 0x000000, {.left = true});  // band 20, not 100
    EXPECT_GT(Alpha(canvas.At(1, 50)), 200);
    EXPECT_EQ(Alpha(canvas.At(21, 50)), 0);
}

TEST(PaintShadow, FourOutlinesEachOnePixelFurtherOutAndFainter) {
    Canvas canvas(80, 80);
    PaintShadow(canvas.g(), {10, 10, 50, 50}, 0, 0x000000);
    const int expected[] = {60, 35, 15, 5};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(Alpha(canvas.At(10 - k, 35)), expected[k], 2) << k;
    EXPECT_EQ(canvas.At(5, 35), 0u);
    EXPECT_EQ(canvas.At(30, 35), 0u);  // the inside stays clear
}

TEST(FrameRegion, RoundedOrSquareInsetRectangle) {
    const UniqueRegion rounded = FrameRegion(400, 300, 6, 5, 7);
    const UniqueRegion expected(CreateRoundRectRgn(6, 6, 395, 295, 5, 5));
    EXPECT_TRUE(EqualRgn(rounded.get(), expected.get()));
    EXPECT_FALSE(PtInRegion(rounded.get(), 6, 6));
    EXPECT_TRUE(PtInRegion(rounded.get(), 6, 150));

    const UniqueRegion square = FrameRegion(400, 300, 6, 5, 0);
    const UniqueRegion squareExpected(CreateRoundRectRgn(6, 6, 395, 295, 0, 0));
    EXPECT_TRUE(EqualRgn(square.get(), squareExpected.get()));
    EXPECT_TRUE(PtInRegion(square.get(), 6, 6));

    GdipRegionPtr clip = FrameClipRegion(400, 300, 7, 3, 7);
    ASSERT_TRUE(clip);
    BOOL inside = FALSE;
    GdipIsVisibleRegionPointI(clip.get(), 7, 150, nullptr, &inside);
    EXPECT_TRUE(inside);
    GdipIsVisibleRegionPointI(clip.get(), 6, 150, nullptr, &inside);
    EXPECT_FALSE(inside);
}
