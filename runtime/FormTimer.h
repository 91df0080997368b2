#pragma once
// A window timer of a form. Setting the interval restarts it; 0 stops it.

#include "runtime/AnsiText.h"

#include <windows.h>

#include <optional>

namespace runtime {

class FormTimer {
public:
    FormTimer(HWND window, UINT_PTR id, AnsiText name, int interval);
    ~FormTimer();
    FormTimer(const FormTimer&) = delete;
    FormTimer& operator=(const FormTimer&) = delete;

    const AnsiText& Name() const { return name_; }
    UINT_PTR Id() const { return id_; }
    bool Running() const { return interval_ > 0; }

    // Milliseconds between ticks; 0 (or less) stops the timer.
    int Interval(std::optional<int> value = {});

    // The window is going away: the system drops its timers with it.
    void Detach();

private:
    void Apply();

    HWND window_;
    UINT_PTR id_;
    AnsiText name_;
    int interval_ = 0;
};

}  // namespace runtime
