#include "canvas/services/Fonts.h"
#include "canvas/services/Toolkit.h"

#include <gtest/gtest.h>

using namespace canvas;

TEST(Toolkit, SystemCodePageIs936) { EXPECT_EQ(GetACP(), 936u); }

TEST(Toolkit, DefaultFontIsTwelvePixelSongTi) {
    ASSERT_NE(defaultFont, nullptr);
    float size = 0;
    GdipGetFontSize(defaultFont, &size);
    EXPECT_FLOAT_EQ(size, 12.0f);
    Gdiplus::Unit unit{};
    GdipGetFontUnit(defaultFont, &unit);
    EXPECT_EQ(unit, Gdiplus::UnitPixel);
    EXPECT_EQ(FontFamilyName(defaultFont), "宋体");
    // The family name reads back as a family GDI+ knows.
    auto again = CreateFontByName(FontFamilyName(defaultFont), 20, 0);
    ASSERT_TRUE(again);
    EXPECT_EQ(FontFamilyName(again.get()), "宋体");
}

TEST(Toolkit, OsMajorVersionComesFromTheProcessBlock) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    EXPECT_EQ(osMajorVersion, static_cast<int>(info.dwMajorVersion));
    EXPECT_EQ(ReadOsMajorVersion(), osMajorVersion);
}

TEST(Fonts, UnknownFamilyFallsBackToTheDefaultFamily) {
    struct Case {
        const char* face;
        float size;
        int style;
    } cases[] = {{"No Such Family 42", 17, 1}, {"", 9, 0}, {"另一个不存在的字体", 30, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        auto font = CreateFontByName(c.face, c.size, c.style);
        ASSERT_TRUE(font);
        EXPECT_EQ(FontFamilyName(font.get()), FontFamilyName(defaultFont));
        float size = 0;
        GdipGetFontSize(font.get(), &size);
        EXPECT_FLOAT_EQ(size, c.size);
        INT style = -1;
        GdipGetFontStyle(font.get(), &style);
        EXPECT_EQ(style, c.style);
    }
}

TEST(Fonts, DefaultFaceNameIsAFamilyGdiPlusKnows) {
    for (auto kind : {SystemFontKind::Menu, SystemFontKind::Caption, SystemFontKind::Message}) {
        const AnsiText name = DefaultFaceName(kind);
        EXPECT_FALSE(name.empty());
        EXPECT_NE(name, "Tahoma");
    }
}

TEST(Fonts, MeasureTextGrowsWithTheText) {
    GpBitmap* bitmap = nullptr;
    GdipCreateBitmapFromScan0(100, 100, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    GdipImagePtr owner(AsImage(bitmap));
    GpGraphics* g = nullptr;
    GdipGetImageGraphicsContext(AsImage(bitmap), &g);
    GdipGraphicsPtr graphics(g);
    const RectF layout{0, 0, 1000, 100};
    auto one = MeasureText(g, "汉", defaultFont, nullptr, layout);
    auto three = MeasureText(g, "汉字们", defaultFont, nullptr, layout);
    ASSERT_TRUE(one.success);
    ASSERT_TRUE(three.success);
    EXPECT_GT(three.boundingBox.width, 2 * one.boundingBox.width);
    EXPECT_GE(one.boundingBox.height, 12.0f);
    EXPECT_FALSE(MeasureText(nullptr, "x", defaultFont, nullptr, layout).success);
}
