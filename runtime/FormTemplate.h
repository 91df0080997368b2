#pragma once
// What a form template gives: the native window's place, outer size, title
// and style, and its components. A window is made from one by FormWindow::Load.

#include "runtime/AnsiText.h"

#include <windows.h>

#include <vector>

namespace runtime {

inline constexpr DWORD kDefaultFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

struct TimerTemplate {
    AnsiText name;
    int interval = 0;  // milliseconds; 0: stopped
};

struct SaveDialogTemplate {
    AnsiText name;
    AnsiText title;
    AnsiText filter;            // "description|pattern|description|pattern..."
    AnsiText defaultExtension;  // without the dot
};

// A windowless text drawn on the form's own background.
struct LabelTemplate {
    AnsiText name;
    int x = 0, y = 0, width = 0, height = 0;
    AnsiText text;
};

struct ProgressBarTemplate {
    AnsiText name;
    int x = 0, y = 0, width = 0, height = 0;
};

struct FormTemplate {
    int x = 0, y = 0;
    int width = 0, height = 0;  // outer size
    AnsiText title;
    DWORD style = kDefaultFormStyle;
    // ICON group resource of the program for the window and its tray icon;
    // a missing one leaves them without a picture.
    const char* iconName = nullptr;
    std::vector<TimerTemplate> timers;
    std::vector<SaveDialogTemplate> saveDialogs;
    std::vector<LabelTemplate> labels;
    std::vector<ProgressBarTemplate> progressBars;
};

}  // namespace runtime
