#pragma once
// The about page's welcome text and how it types itself: every tick adds the
// next 2 bytes. No platform headers, so it also builds natively.

#include <cstdint>
#include <string>
#include <string_view>

namespace lanvo {

// Code-page-936 bytes, lines joined by CR LF, no line break at the end.
extern const std::string_view kWelcomeText;

// The bytes of text that start at the 1-based byte position pos: 2, fewer at
// the end, none after it or before the first byte. Cut by bytes, so a piece
// may end inside a two-byte character; the next piece completes it.
std::string_view WelcomePiece(std::string_view text, std::int32_t pos);

// One tick: the label's new text from its current one, and pos moved on by 2.
std::string TypeWelcomeTick(std::string_view shown, std::string_view text, std::int32_t& pos);

}  // namespace lanvo
