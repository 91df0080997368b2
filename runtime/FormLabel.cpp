#include "runtime/FormLabel.h"

#include <utility>

namespace runtime {

FormLabel::FormLabel(HWND window, AnsiText name, RECT bounds, AnsiText text)
    : window_(window), name_(std::move(name)), bounds_(bounds), text_(std::move(text)) {}

AnsiText FormLabel::Text(std::optional<AnsiText> value) {
    if (value && *value != text_) {
        text_ = std::move(*value);
        // The background under the old text has to come back first.
        if (window_) InvalidateRect(window_, &bounds_, TRUE);
    }
    return text_;
}

void FormLabel::Paint(HDC dc) const {
    // Stock objects belong to the system: selected, never deleted.
    const HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    RECT rc = bounds_;
    DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &rc, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

}  // namespace runtime
