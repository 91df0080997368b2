#pragma once
// A transparent label: text drawn straight onto the form's background, no
// window of its own. The form paints it; a window whose painting someone else
// takes over draws it there from Text() and Bounds().

#include "runtime/AnsiText.h"

#include <windows.h>

#include <optional>

namespace runtime {

class FormLabel {
public:
    FormLabel(HWND window, AnsiText name, RECT bounds, AnsiText text);

    const AnsiText& Name() const { return name_; }
    RECT Bounds() const { return bounds_; }

    // A new text repaints the label's rectangle.
    AnsiText Text(std::optional<AnsiText> value = {});

    void Paint(HDC dc) const;

    // The window is going away.
    void Detach() { window_ = nullptr; }

private:
    HWND window_;
    AnsiText name_;
    RECT bounds_;
    AnsiText text_;
};

}  // namespace runtime
