// The pictures held in the program decode as the toolkit and the program
// use them.
#include "canvas/services/Picture.h"
#include "canvas/services/Toolkit.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace canvas;

namespace {

ARGB PixelAt(const Picture& picture, int x, int y) {
    ARGB colour = 0;
    GdipBitmapGetPixel(reinterpret_cast<GpBitmap*>(picture.image()), x, y, &colour);
    return colour;
}

int Alpha(ARGB c) { return static_cast<int>(c >> 24); }
int Red(ARGB c) { return static_cast<int>((c >> 16) & 0xFF); }
int Green(ARGB c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(ARGB c) { return static_cast<int>(c & 0xFF); }

Gdiplus::PixelFormat FormatOf(const Picture& picture) {
    Gdiplus::PixelFormat format = 0;
    GdipGetImagePixelFormat(picture.image(), &format);
    return format;
}

Picture Load(const char* name, bool bare = false) { return LoadPicture(resources::ResourceBytes(name), bare); }

}  // namespace

TEST(Pictures, EachDecodesAtItsSizeAndPixelFormat) {
    const struct {
        const char* name;
        int width, height;
        Gdiplus::PixelFormat format;
        bool withoutSignature;
    } cases[] = {
        {resources::kMainBackground, 510, 339, PixelFormat24bppRGB, false},
        {resources::kTabHome, 48, 48, PixelFormat32bppARGB, false},
        {resources::kTabTools, 48, 48, PixelFormat32bppARGB, false},
        {resources::kTabAbout, 48, 48, PixelFormat32bppARGB, false},
        {resources::kTabAdd, 48, 48, PixelFormat32bppARGB, false},
        {resources::kSkinStrip, 729, 20, PixelFormat32bppARGB, true},
        {resources::kCheckMark, 20, 20, PixelFormat32bppARGB, false},
        {resources::kMessageBoxFrame, 2, 160, PixelFormat32bppARGB, false},
        {resources::kMessageBoxIcons, 200, 40, PixelFormat32bppARGB, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture = Load(c.name, c.withoutSignature);
        ASSERT_TRUE(picture);
        EXPECT_EQ(PictureWidth(picture.image()), c.width);
        EXPECT_EQ(PictureHeight(picture.image()), c.height);
        EXPECT_EQ(FormatOf(picture), c.format);
    }
}

TEST(Pictures, UnknownNameHasNoBytes) { EXPECT_TRUE(resources::ResourceBytes("NO_SUCH_PICTURE").empty()); }

TEST(Pictures, StripIsHeldWithoutItsSignature) {
    Picture plain = Load(resources::kSkinStrip, false);
    EXPECT_FALSE(plain);
    ASSERT_TRUE(Load(resources::kSkinStrip, true));
    // The toolkit loaded it the same way at start-up.
    ASSERT_TRUE(skinPicture);
    EXPECT_EQ(PictureWidth(skinPicture.image()), 729);
}

TEST(Pictures, IconsAreShapesOnClearGround) {
    // Each 40 x 40 icon of the message-box strip and each tab icon: clear
    // corners, an opaque middle.
    const struct {
        const char* name;
        int cellX, cellSize, middleY;
    } cases[] = {
        {resources::kTabHome, 0, 48, 23},
        {resources::kTabTools, 0, 48, 23},
        {resources::kTabAbout, 0, 48, 23},
        {resources::kTabAdd, 0, 48, 23},
        {resources::kMessageBoxIcons, 0, 40, 20},
        {resources::kMessageBoxIcons, 40, 40, 24},  // the triangle is widest low down
        {resources::kMessageBoxIcons, 80, 40, 20},
        {resources::kMessageBoxIcons, 120, 40, 20},
        {resources::kMessageBoxIcons, 160, 40, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " at x " << c.cellX);
        Picture picture = Load(c.name);
        ASSERT_TRUE(picture);
        const int last = c.cellSize - 1;
        for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}})
            EXPECT_EQ(Alpha(PixelAt(picture, c.cellX + x, y)), 0) << x << "," << y;
        EXPECT_EQ(Alpha(PixelAt(picture, c.cellX + c.cellSize / 2, c.middleY)), 255);
    }
}

TEST(Pictures, CheckMarkIsATickOnClearGround) {
    Picture picture = Load(resources::kCheckMark);
    ASSERT_TRUE(picture);
    int opaque = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) opaque += Alpha(PixelAt(picture, x, y)) >= 200;
    EXPECT_GT(opaque, 20);
    EXPECT_LT(opaque, 120);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(Alpha(PixelAt(picture, i, 0)), 0);
        EXPECT_EQ(Alpha(PixelAt(picture, i, 19)), 0);
    }
}

TEST(Pictures, MessageBoxFrameBandsStretchCleanly) {
    Picture frame = Load(resources::kMessageBoxFrame);
    ASSERT_TRUE(frame);
    // Stretching the first column blends in the second: they must agree.
    for (int y = 0; y < 160; ++y) EXPECT_EQ(PixelAt(frame, 0, y), PixelAt(frame, 1, y)) << y;
    // The body band is read mirrored from row 97; whichever way that read
    // runs (rows 76-96 or 97-117), and whatever stretching blends in from
    // beside it, it finds the one body colour.
    const ARGB body = PixelAt(frame, 0, 97);
    for (int y = 76; y <= 128; ++y) EXPECT_EQ(PixelAt(frame, 0, y), body) << y;
    // Black message text reads on the body; the white title shows the
    // window's own colour under a thin sheen.
    EXPECT_GE(Alpha(body), 200);
    EXPECT_GE(std::min({Red(body), Green(body), Blue(body)}), 230);
    for (int y = 0; y < 25; ++y) EXPECT_LT(Alpha(PixelAt(frame, 0, y)), 100) << y;
    for (int y = 129; y < 160; ++y) EXPECT_GE(Alpha(PixelAt(frame, 0, y)), 200) << y;
}
