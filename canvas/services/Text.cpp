#include "canvas/services/Text.h"

#include <windows.h>

#include <climits>

namespace canvas {

WideText ToWide(std::string_view text, unsigned codePage) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int size = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (units <= 0) return {};
    WideText wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), units);
    return wide;
}

AnsiText FromWide(std::wstring_view wide, unsigned codePage) {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    const int units = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(codePage, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    AnsiText text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), units, text.data(), bytes, nullptr, nullptr);
    return text;
}

}  // namespace canvas
