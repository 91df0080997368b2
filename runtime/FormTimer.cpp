#include "runtime/FormTimer.h"

#include <utility>

namespace runtime {

FormTimer::FormTimer(HWND window, UINT_PTR id, AnsiText name, int interval)
    : window_(window), id_(id), name_(std::move(name)) {
    Interval(interval);
}

FormTimer::~FormTimer() {
    if (window_ && Running()) KillTimer(window_, id_);
}

int FormTimer::Interval(std::optional<int> value) {
    if (value) {
        interval_ = *value > 0 ? *value : 0;
        Apply();
    }
    return interval_;
}

void FormTimer::Apply() {
    if (!window_) return;
    // KillTimer also drops a tick that is already queued.
    KillTimer(window_, id_);
    if (interval_ > 0) SetTimer(window_, id_, static_cast<UINT>(interval_), nullptr);
}

void FormTimer::Detach() {
    window_ = nullptr;
    interval_ = 0;
}

}  // namespace runtime
