#include "app/WelcomeText.h"

#include <limits>

namespace lanvo {
namespace {

constexpr std::int32_t kBytesPerTick = 2;

}  // namespace

const std::string_view kWelcomeText =
    "欢迎使用本软件，本软件是免费软件。\r\n"
    "如果有什么需要添加或者完善的请告知我们。\r\n"
    "联系我们：lanvo-tools@example.com";

std::string_view WelcomePiece(std::string_view text, std::int32_t pos) {
    if (pos < 1 || static_cast<std::size_t>(pos) > text.size()) return {};
    return text.substr(static_cast<std::size_t>(pos) - 1, kBytesPerTick);
}

std::string TypeWelcomeTick(std::string_view shown, std::string_view text, std::int32_t& pos) {
    std::string next(shown);
    next += WelcomePiece(text, pos);
    // A timer left running long after the end must not overflow the position.
    if (pos <= std::numeric_limits<std::int32_t>::max() - kBytesPerTick) pos += kBytesPerTick;
    return next;
}

}  // namespace lanvo
