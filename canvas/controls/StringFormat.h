#pragma once
// One GDI+ string format, either owned (deleted when released, replaced or
// destroyed) or only configured here for someone else who deletes it.

#include "canvas/services/GdiPlus.h"

#include <optional>

namespace canvas {

class StringFormat {
public:
    StringFormat() = default;
    ~StringFormat();
    // A copy of an owning wrapper owns a clone of the format, so that no
    // format is ever deleted twice; a copy of a borrowing wrapper borrows the
    // same format.
    StringFormat(const StringFormat& other);
    StringFormat& operator=(const StringFormat& other);
    StringFormat(StringFormat&& other) noexcept;
    StringFormat& operator=(StringFormat&& other) noexcept;

    // Forgets the format, deleting it when this wrapper owns it.
    void Release();
    // Replaces the current format (released as above) with a new one of the
    // given StringFormatFlags and language. False when GDI+ made none.
    bool Create(int flags, LANGID language, bool owns = true);
    // Each accessor stores a given value and answers the format's current one
    // (0 without a format).
    int Align(std::optional<int> value = {});
    int Trimming(std::optional<int> value = {});
    int HotkeyPrefix(std::optional<int> value = {});
    int Flags(std::optional<int> value = {});

    GpStringFormat* Handle() const { return handle_; }
    bool Owns() const { return owns_; }
    // Hands the format to the caller, who deletes it from then on, and forgets
    // it. This is how a control takes a format configured here.
    GdipStringFormatPtr Take();

private:
    GpStringFormat* handle_ = nullptr;
    bool owns_ = false;
};

}  // namespace canvas
