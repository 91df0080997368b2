#include "canvas/services/Text.h"

#include <gtest/gtest.h>

using namespace canvas;

TEST(Text, RoundTripsThroughTheAnsiCodePage) {
    const char* cases[] = {"Lanvo3.0", "欢迎使用本软件", "a汉b字\r\n", "剪切(&T)"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FromWide(ToWide(text)), text);
    }
    EXPECT_EQ(ToWide("汉字"), L"\u6c49\u5b57");
}

TEST(Text, EmptyTextConvertsToEmpty) {
    EXPECT_TRUE(ToWide("").empty());
    EXPECT_TRUE(FromWide(L"").empty());
}

TEST(Text, CutDoubleByteCharacterStaysInsideTheText) {
    // "汉" is BA BA in GBK; a text ending in its lead byte must not read on.
    const std::string text("a\xBA", 2);
    const WideText wide = ToWide(std::string_view(text.data(), 2));
    ASSERT_FALSE(wide.empty());
    EXPECT_EQ(wide[0], L'a');
    EXPECT_LE(wide.size(), 2u);
    const std::string lone("\xBA", 1);
    EXPECT_LE(ToWide(lone).size(), 1u);
}
