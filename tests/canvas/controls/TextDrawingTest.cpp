#include "PixelBitmap.h"
#include "canvas/controls/Drawing.h"
#include "canvas/controls/TextDrawing.h"
#include "canvas/services/Fonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string_view>

using namespace canvas;
using controls_test::PixelBitmap;

namespace {

constexpr int kWidth = 60, kHeight = 26;
constexpr RectF kBox{4, 4, 50, 18};
constexpr std::string_view kSample = "按Ab";
constexpr std::uint32_t kRgbMask = 0x00FFFFFF;
constexpr Argb kBlack = 0xFF000000, kWhite = 0xFFFFFFFF;

std::unique_ptr<PixelBitmap> Render(GpFont* font, Argb colour, int effect, Argb halo = 0,
                                    std::string_view text = kSample) {
    auto b = std::make_unique<PixelBitmap>(kWidth, kHeight);
    PaintText(b->graphics(), kBox, text, font, colour, nullptr, effect, halo);
    return b;
}

// How far, in whole pixels each way, the nearest pixel the plain text drew is.
int DistanceToText(const PixelBitmap& plain, int x, int y) {
    constexpr int kFar = 99;
    for (int d = 0; d <= 6; ++d)
        for (int dy = -d; dy <= d; ++dy)
            for (int dx = -d; dx <= d; ++dx) {
                const int px = x + dx, py = y + dy;
                if (px >= 0 && py >= 0 && px < plain.width() && py < plain.height() && plain.AlphaAt(px, py) != 0)
                    return d;
            }
    return kFar;
}

// The pixels a halo added around the text: drawn there, empty in plain.
struct Halo {
    int pixels = 0;
    int farthest = 0;
    bool allOfColour = true;
    bool someAtSingleAlpha = false;
};

Halo HaloAround(const PixelBitmap& plain, const PixelBitmap& withHalo, std::uint32_t rgb, int singleAlpha) {
    constexpr int kAlphaTolerance = 3;
    Halo h;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            if (plain.AlphaAt(x, y) != 0 || withHalo.AlphaAt(x, y) == 0) continue;
            ++h.pixels;
            h.farthest = std::max(h.farthest, DistanceToText(plain, x, y));
            const std::uint32_t pixel = withHalo.Pixel(x, y);
            if ((pixel & kRgbMask) != rgb) h.allOfColour = false;
            if (std::abs(PixelBitmap::Alpha(pixel) - singleAlpha) <= kAlphaTolerance) h.someAtSingleAlpha = true;
        }
    return h;
}

class PaintTextTest : public testing::Test {
protected:
    void SetUp() override {
        font = CreateFontByName("宋体", 16, 0);
        ASSERT_NE(font, nullptr);
        plainBlack = Render(font.get(), kBlack, textEffect::kPlain);
        ASSERT_GT(plainBlack->CountDrawn(), 0);
    }
    GdipFontPtr font;
    std::unique_ptr<PixelBitmap> plainBlack;
};

}  // namespace

TEST_F(PaintTextTest, OutlineIsAOnePixelRimOfTranslucentWhiteAroundDarkText) {
    const auto outlined = Render(font.get(), kBlack, textEffect::kOutline);
    const Halo h = HaloAround(*plainBlack, *outlined, 0xFFFFFF, 0x55);
    EXPECT_GT(h.pixels, 0);
    EXPECT_EQ(h.farthest, 1);
    EXPECT_TRUE(h.allOfColour);
    EXPECT_TRUE(h.someAtSingleAlpha) << "a rim pixel covered once has the halo's alpha, 85";
}

TEST_F(PaintTextTest, GlowIsASofterWiderHalo) {
    const auto outlined = Render(font.get(), kBlack, textEffect::kOutline);
    const auto glowing = Render(font.get(), kBlack, textEffect::kGlow);
    const Halo rim = HaloAround(*plainBlack, *outlined, 0xFFFFFF, 0x55);
    const Halo glow = HaloAround(*plainBlack, *glowing, 0xFFFFFF, 0x55);
    EXPECT_TRUE(glow.allOfColour);
    EXPECT_GE(glow.farthest, 2);
    EXPECT_GT(glow.pixels, rim.pixels);
}

TEST_F(PaintTextTest, LightTextGetsABlackHaloAndAGivenHaloColourWins) {
    const auto plainWhite = Render(font.get(), kWhite, textEffect::kPlain);
    const auto whiteOutlined = Render(font.get(), kWhite, textEffect::kOutline);
    const Halo dark = HaloAround(*plainWhite, *whiteOutlined, 0x000000, 0x4B);
    EXPECT_GT(dark.pixels, 0);
    EXPECT_TRUE(dark.allOfColour);
    EXPECT_TRUE(dark.someAtSingleAlpha) << "black at alpha 75";

    const auto redOutlined = Render(font.get(), kBlack, textEffect::kOutline, 0x80FF0000);
    const Halo red = HaloAround(*plainBlack, *redOutlined, 0xFF0000, 0x80);
    EXPECT_GT(red.pixels, 0);
    EXPECT_TRUE(red.allOfColour);
}

TEST_F(PaintTextTest, OtherEffectsDrawPlainText) {
    for (int effect : {1, 2, 5, -1}) {
        SCOPED_TRACE(effect);
        const auto b = Render(font.get(), kBlack, effect, 0xFFFF0000);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) ASSERT_EQ(b->Pixel(x, y), plainBlack->Pixel(x, y)) << x << "," << y;
    }
}

TEST_F(PaintTextTest, TextInTheCodePageBecomesTheSameGlyphsAsUtf16) {
    PixelBitmap direct(kWidth, kHeight);
    GdipBrushPtr brush = NewSolidBrush(kBlack);
    const Gdiplus::RectF box{kBox.x, kBox.y, kBox.width, kBox.height};
    GdipDrawString(direct.graphics(), L"按Ab", -1, font.get(), &box, nullptr, brush.get());
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) ASSERT_EQ(plainBlack->Pixel(x, y), direct.Pixel(x, y)) << x << "," << y;
}

TEST_F(PaintTextTest, NothingToDrawDrawsNothing) {
    EXPECT_EQ(Render(font.get(), kBlack, textEffect::kGlow, 0, "")->CountDrawn(), 0);
    PixelBitmap b(kWidth, kHeight);
    for (float factor : {0.0f, -1.0f, 1000.0f}) PaintHalo(b.graphics(), kBox, kSample, font.get(), nullptr, kWhite, factor);
    PaintHalo(b.graphics(), {4, 4, -20, -20}, kSample, font.get(), nullptr, kWhite, 1.0f);
    EXPECT_EQ(b.CountDrawn(), 0);
}
