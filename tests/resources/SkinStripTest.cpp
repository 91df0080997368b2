// The caption-button strip: every cell where the caption buttons cut it,
// nothing between the cells.
#include "canvas/services/Picture.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace canvas;

namespace {

constexpr int kStripWidth = 729;
constexpr int kStripHeight = 20;
constexpr int kCellTop = 2;
constexpr int kCellHeight = 19;  // its last row lies outside the picture
constexpr int kVisibleBottom = kStripHeight;
constexpr int kCloseWidth = 39;
constexpr int kButtonWidth = 28;

enum State { kNormal, kHot, kPressed };

struct Button {
    const char* name;
    std::array<int, 3> x;  // normal, hot, pressed
    bool verticallyCentred;
};
constexpr Button kButtons[] = {
    {"close", {0, 40, 80}, true},           {"maximise", {120, 149, 178}, true},
    {"restore", {207, 236, 265}, true},     {"minimise", {294, 323, 352}, false},  // the bar sits low
    {"further 32", {381, 410, 439}, true},  {"further 64", {468, 497, 526}, true},
    {"further 128", {555, 584, 613}, true}, {"further 256", {642, 671, 700}, true},
};

int WidthOf(const Button& b) { return b.x[0] == 0 ? kCloseWidth : kButtonWidth; }

class SkinStrip : public testing::Test {
protected:
    void SetUp() override {
        strip_ = LoadPicture(resources::ResourceBytes(resources::kSkinStrip), true);
        ASSERT_TRUE(strip_);
        ASSERT_EQ(PictureWidth(strip_.image()), kStripWidth);
        ASSERT_EQ(PictureHeight(strip_.image()), kStripHeight);
    }

    ARGB At(int x, int y) const {
        ARGB colour = 0;
        GdipBitmapGetPixel(reinterpret_cast<GpBitmap*>(strip_.image()), x, y, &colour);
        return colour;
    }
    static int Alpha(ARGB c) { return static_cast<int>(c >> 24); }
    static int Red(ARGB c) { return static_cast<int>((c >> 16) & 0xFF); }
    static int Green(ARGB c) { return static_cast<int>((c >> 8) & 0xFF); }
    static int Blue(ARGB c) { return static_cast<int>(c & 0xFF); }
    // The glyphs are white; the faces behind them are not.
    bool IsGlyph(ARGB c) const { return Alpha(c) >= 200 && Red(c) >= 230 && Green(c) >= 230 && Blue(c) >= 230; }

    Picture strip_;
};

}  // namespace

TEST_F(SkinStrip, NothingOutsideTheCells) {
    std::vector<bool> inCell(kStripWidth, false);
    for (const Button& b : kButtons)
        for (int x0 : b.x)
            for (int x = x0; x < x0 + WidthOf(b); ++x) inCell[x] = true;
    for (int x = 0; x < kStripWidth; ++x)
        for (int y = 0; y < kStripHeight; ++y)
            if (!inCell[x] || y < kCellTop) {
                EXPECT_EQ(Alpha(At(x, y)), 0) << x << "," << y;
            }
}

TEST_F(SkinStrip, EveryCellHasAGlyphInItsMiddle) {
    for (const Button& b : kButtons) {
        for (int state : {kNormal, kHot, kPressed}) {
            SCOPED_TRACE(testing::Message() << b.name << " state " << state);
            const int cx = b.x[state] + WidthOf(b) / 2;
            const int cy = kCellTop + kCellHeight / 2;
            int glyph = 0;
            for (int y = cy - 4; y <= cy + 4; ++y)
                for (int x = cx - 4; x <= cx + 4; ++x) glyph += IsGlyph(At(x, y));
            EXPECT_GE(glyph, 4);
        }
    }
}

TEST_F(SkinStrip, NormalGlyphsAreCentred) {
    for (const Button& b : kButtons) {
        SCOPED_TRACE(b.name);
        const int x0 = b.x[kNormal];
        int left = kStripWidth, right = -1, top = kStripHeight, bottom = -1;
        for (int y = kCellTop; y < kVisibleBottom; ++y)
            for (int x = x0; x < x0 + WidthOf(b); ++x)
                if (IsGlyph(At(x, y))) {
                    left = std::min(left, x), right = std::max(right, x + 1);
                    top = std::min(top, y), bottom = std::max(bottom, y + 1);
                }
        ASSERT_GE(right, 0);
        // Centres in pixel edges: the cell's and the glyph's, within a pixel.
        EXPECT_NEAR((left + right) / 2.0, x0 + WidthOf(b) / 2.0, 1.0);
        if (b.verticallyCentred) {
            EXPECT_NEAR((top + bottom) / 2.0, (kCellTop + kVisibleBottom) / 2.0, 1.0);
        }
    }
}

TEST_F(SkinStrip, HotAndPressedShowAFaceAndNormalDoesNot) {
    for (const Button& b : kButtons) {
        SCOPED_TRACE(b.name);
        // Beside the glyph, near the cell's left edge.
        const int dx = 4, y = kCellTop + kCellHeight / 2;
        EXPECT_EQ(Alpha(At(b.x[kNormal] + dx, y)), 0);
        EXPECT_GT(Alpha(At(b.x[kHot] + dx, y)), 0);
        EXPECT_GT(Alpha(At(b.x[kPressed] + dx, y)), 0);
    }
}

TEST_F(SkinStrip, CloseTurnsRedWhenHotOrPressed) {
    for (int state : {kHot, kPressed}) {
        const ARGB face = At(kButtons[0].x[state] + 4, kCellTop + kCellHeight / 2);
        EXPECT_GE(Alpha(face), 240) << state;
        EXPECT_GT(Red(face), Green(face) + 100) << state;
        EXPECT_GT(Red(face), Blue(face) + 100) << state;
    }
}
