#include "canvas/controls/StringFormat.h"

#include <utility>

namespace canvas {

StringFormat::~StringFormat() { Release(); }

StringFormat::StringFormat(const StringFormat& other) : owns_(other.owns_) {
    if (!other.handle_) return;
    if (owns_) {
        GdipCloneStringFormat(other.handle_, &handle_);
    } else {
        handle_ = other.handle_;
    }
}

StringFormat& StringFormat::operator=(const StringFormat& other) {
    if (this != &other) {
        StringFormat copy(other);
        *this = std::move(copy);
    }
    return *this;
}

StringFormat::StringFormat(StringFormat&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), owns_(std::exchange(other.owns_, false)) {}

StringFormat& StringFormat::operator=(StringFormat&& other) noexcept {
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, nullptr);
        owns_ = std::exchange(other.owns_, false);
    }
    return *this;
}

void StringFormat::Release() {
    if (handle_ && owns_) GdipDeleteStringFormat(handle_);
    handle_ = nullptr;
}

bool StringFormat::Create(int flags, LANGID language, bool owns) {
    Release();
    owns_ = owns;
    return GdipCreateStringFormat(flags, language, &handle_) == Gdiplus::Ok && handle_;
}

int StringFormat::Align(std::optional<int> value) {
    if (!handle_) return 0;
    if (value) GdipSetStringFormatAlign(handle_, static_cast<Gdiplus::StringAlignment>(*value));
    Gdiplus::StringAlignment current = Gdiplus::StringAlignmentNear;
    GdipGetStringFormatAlign(handle_, &current);
    return current;
}

int StringFormat::Trimming(std::optional<int> value) {
    if (!handle_) return 0;
    if (value) GdipSetStringFormatTrimming(handle_, static_cast<Gdiplus::StringTrimming>(*value));
    Gdiplus::StringTrimming current = Gdiplus::StringTrimmingNone;
    GdipGetStringFormatTrimming(handle_, &current);
    return current;
}

int StringFormat::HotkeyPrefix(std::optional<int> value) {
    if (!handle_) return 0;
    if (value) GdipSetStringFormatHotkeyPrefix(handle_, *value);
    INT current = 0;
    GdipGetStringFormatHotkeyPrefix(handle_, &current);
    return current;
}

int StringFormat::Flags(std::optional<int> value) {
    if (!handle_) return 0;
    if (value) GdipSetStringFormatFlags(handle_, *value);
    INT current = 0;
    GdipGetStringFormatFlags(handle_, &current);
    return current;
}

GdipStringFormatPtr StringFormat::Take() {
    GdipStringFormatPtr taken(std::exchange(handle_, nullptr));
    owns_ = false;
    return taken;
}

}  // namespace canvas
