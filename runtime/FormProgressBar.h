#pragma once
// A form's progress bar: the system's progress control, positions 0 to 100.

#include "runtime/AnsiText.h"

#include <windows.h>

#include <optional>

namespace runtime {

class FormProgressBar {
public:
    static constexpr int kMaximum = 100;

    FormProgressBar(HWND parent, AnsiText name, RECT bounds);

    const AnsiText& Name() const { return name_; }
    HWND Handle() const { return control_; }

    // The position, kept within 0 to 100.
    int Position(std::optional<int> value = {});

    // The parent window is going away, and the control with it.
    void Detach() { control_ = nullptr; }

private:
    AnsiText name_;
    HWND control_ = nullptr;  // a child: destroyed with its parent
    int position_ = 0;
};

}  // namespace runtime
