#include "canvas/controls/Colour.h"
#include "canvas/controls/Geometry.h"

#include <gtest/gtest.h>

#include <optional>

using namespace canvas;

namespace {

struct MakeArgbCase {
    Rgb rgb;
    std::optional<int> alpha;
    Argb expected;
};

}  // namespace

TEST(Colour, MakeArgbSwapsRedAndBlueAndNeverGivesFullAlpha) {
    const MakeArgbCase cases[] = {
        {0x646464, 255, 0xFE646464},
        {0x000000, 160, 0xA0000000},
        {0xFFFFFF, 0, 0x00FFFFFF},
        {0x646464, std::nullopt, 0xFE646464},  // no alpha: 254 as well
        {0x332211, 254, 0xFE112233},           // 0x00BBGGRR becomes 0x00RRGGBB
        {0xAB332211, 16, 0x10112233},          // the top byte of the colour is dropped
        {0x0000FF, 300, 0xFEFF0000},           // out-of-range alphas are clamped
        {0xFF0000, -5, 0x000000FF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeArgb(c.rgb, c.alpha), c.expected)
            << std::hex << "rgb " << c.rgb << " alpha " << c.alpha.value_or(-1);
    }
}

TEST(Colour, SplitArgbAndSetAlpha) {
    EXPECT_EQ(SplitArgb(0x80FF4010), (ArgbParts{0x80, 0xFF, 0x40, 0x10}));
    EXPECT_EQ(SetAlpha(0x12345678, 0xAB), 0xAB345678u);
    EXPECT_EQ(SetAlpha(0xFF345678, 0), 0x00345678u);
    EXPECT_EQ(SetAlpha(0x00345678, 255), 0xFF345678u);  // unlike MakeArgb, full alpha stays
}

TEST(Colour, DarkMeansLuminanceBelow192) {
    EXPECT_TRUE(IsDarkColor(0xFFBFBFBF));   // grey 191
    EXPECT_FALSE(IsDarkColor(0xFFC0C0C0));  // grey 192
    EXPECT_FALSE(IsDarkColor(0x00C0C0C0));  // alpha plays no part
    EXPECT_TRUE(IsDarkColor(0xFF0000FF));   // pure blue: 29
    EXPECT_FALSE(IsDarkColor(0xFFFFFF00));  // yellow: 226
    // Weights 0.299, 0.587, 0.114: (255, 181, 0) is 182.5, (255, 199, 0) is 193.1.
    EXPECT_TRUE(IsDarkColor(0xFFFFB500));
    EXPECT_FALSE(IsDarkColor(0xFFFFC700));
}

TEST(Geometry, AdjustRectAddsToEachComponentInPlace) {
    RectF r = MakeRect(10, 20, 30, 40);
    AdjustRect(r, -1, -1, 2, 2);
    EXPECT_EQ(r, MakeRect(9, 19, 32, 42));
    AdjustRect(r, 0.5f);  // omitted amounts are 0
    EXPECT_EQ(r, MakeRect(9.5f, 19, 32, 42));
}
