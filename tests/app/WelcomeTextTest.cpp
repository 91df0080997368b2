#include "app/WelcomeText.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace lanvo;

TEST(WelcomeText, IsThreeLinesJoinedByCrLfWithoutABreakAtTheEnd) {
    const std::string text(kWelcomeText);
    const std::string line1 = "欢迎使用本软件，本软件是免费软件。";
    const std::string line2 = "如果有什么需要添加或者完善的请告知我们。";
    ASSERT_EQ(text.rfind(line1 + "\r\n" + line2 + "\r\n", 0), 0u);
    const std::string line3 = text.substr(line1.size() + line2.size() + 4);
    EXPECT_FALSE(line3.empty());
    EXPECT_EQ(line3.find_first_of("\r\n"), std::string::npos);
    // Held as code-page-936 bytes: "欢" is B B6 in that code page.
    EXPECT_EQ(text.substr(0, 2), "\xBB\xB6");
}

TEST(WelcomeText, PieceIsTwoBytesFromThePositionFewerAtTheEndNoneOutside) {
    // "a", then a two-byte character, then CR LF, then "b": 6 bytes.
    const std::string text = "a\xC4\xE3\r\nb";
    const struct {
        std::int32_t pos;
        std::string piece;
    } cases[] = {
        {1, "a\xC4"},      // an odd start cuts the character in two
        {3, "\xE3\r"},     // and the next piece completes it
        {2, "\xC4\xE3"},
        {4, "\r\n"},       // a line break in one piece
        {6, "b"},          // fewer at the end
        {7, ""},           // none after it
        {100, ""},
        {0, ""},           // none before the first byte
        {-3, ""},
        {INT_MAX, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(std::string(WelcomePiece(text, c.pos)), c.piece) << c.pos;
}

TEST(WelcomeText, TicksTypeTheWholeTextThenChangeNothing) {
    std::string shown;
    std::int32_t pos = 1;
    int ticks = 0;
    while (shown.size() < kWelcomeText.size()) {
        const std::string next = TypeWelcomeTick(shown, kWelcomeText, pos);
        ASSERT_EQ(next.size(), shown.size() + std::min<size_t>(2, kWelcomeText.size() - shown.size()));
        shown = next;
        ++ticks;
        ASSERT_EQ(pos, 1 + 2 * ticks);
    }
    EXPECT_EQ(shown, kWelcomeText);
    EXPECT_EQ(ticks, static_cast<int>((kWelcomeText.size() + 1) / 2));

    for (int i = 0; i < 3; ++i) EXPECT_EQ(TypeWelcomeTick(shown, kWelcomeText, pos), shown);
}

TEST(WelcomeText, TheCrLfOfALineBreakArrivesInOneTick) {
    std::string shown;
    std::int32_t pos = 1;
    while (shown.find('\r') == std::string::npos) shown = TypeWelcomeTick(shown, kWelcomeText, pos);
    EXPECT_EQ(shown.substr(shown.size() - 2), "\r\n");
}

TEST(WelcomeText, PositionStopsShortOfOverflowing) {
    std::int32_t pos = INT_MAX - 1;
    EXPECT_EQ(TypeWelcomeTick("x", kWelcomeText, pos), "x");
    const std::int32_t atLimit = pos;
    EXPECT_EQ(TypeWelcomeTick("x", kWelcomeText, pos), "x");
    EXPECT_EQ(pos, atLimit);
    EXPECT_GT(pos, 0);
}
