#include "runtime/FormProgressBar.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace runtime {
namespace {

void RegisterProgressClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)registered;
}

}  // namespace

FormProgressBar::FormProgressBar(HWND parent, AnsiText name, RECT bounds) : name_(std::move(name)) {
    RegisterProgressClass();
    control_ = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                               bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (control_) SendMessageA(control_, PBM_SETRANGE32, 0, kMaximum);
}

int FormProgressBar::Position(std::optional<int> value) {
    if (value) {
        position_ = std::clamp(*value, 0, kMaximum);
        if (control_) SendMessageA(control_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
    }
    return position_;
}

}  // namespace runtime
