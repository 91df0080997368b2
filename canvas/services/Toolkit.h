#pragma once
// Process-wide set-up of the toolkit, and the small window services that
// several parts share.

#include "canvas/services/GdiPlus.h"
#include "canvas/services/Picture.h"
#include "canvas/services/Text.h"

#include <array>
#include <optional>

namespace canvas {

// Set once by InitToolkit, read-only afterwards.
extern ULONG_PTR gdiplusToken;
extern int osMajorVersion;
extern GpFont* defaultFont;  // 12 px regular; shared, never deleted
extern HCURSOR defaultCursor;
extern Picture skinPicture;  // the caption-button strip, 729 x 20
extern HICON classIcon;

inline constexpr const char* kToolkitClassName = "Ux_Canvas";

// The edit boxes' context menu: the command is the key code of the letter
// the same command has as a Ctrl shortcut.
struct EditMenuEntry {
    const char* text;
    int kind;  // 1 = separator
    int command;
};
inline constexpr std::array<EditMenuEntry, 5> kEditMenuEntries{{
    {"剪切(&T)", 0, 'X'},
    {"复制(&C)", 0, 'C'},
    {"粘贴(&P)", 0, 'V'},
    {"", 1, 0},
    {"全部选择(&A)", 0, 'A'},
}};

// Starts GDI+, reads the OS version, makes the default font, cursor and
// built-in picture and registers the "Ux_Canvas" class. Call once.
void InitToolkit();

// OSMajorVersion from the process environment block.
int ReadOsMajorVersion();

struct TopLevelWindowOptions {
    HWND owner = nullptr;
    AnsiText title;
    std::optional<int> x, y;
    std::optional<int> width, height;  // 380 x 250 when absent
    std::optional<AnsiText> className;
    std::optional<DWORD> style;
    DWORD exStyle = 0;
    std::optional<bool> show;
};
// Absent x/y centre the window in the work area. Null when none was made.
HWND CreateTopLevelWindow(const TopLevelWindowOptions& options);

struct WorkArea {
    int left = 0, top = 0, width = 0, height = 0;
};
// Fills area from SPI_GETWORKAREA; leaves it untouched when that fails.
bool GetWorkArea(WorkArea& area);

}  // namespace canvas
