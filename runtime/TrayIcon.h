#pragma once
// A notification-area icon with a tip, for the life of the object. Mouse and
// keyboard actions on it arrive at the window as callbackMessage with the
// mouse message in lparam; KindOf turns that into the form's tray kind.

#include "runtime/AnsiText.h"

#include <windows.h>
#include <shellapi.h>

namespace runtime {

class TrayIcon {
public:
    // Tray kinds raised to the form.
    static constexpr int kLeftUp = 1;
    static constexpr int kLeftDoubleClick = 2;
    static constexpr int kRightUp = 3;  // also the context-menu key

    // iconName: the program's ICON group resource; without one the icon has
    // no picture but still shows its tip and reports actions.
    TrayIcon(HWND window, UINT callbackMessage, const char* iconName, AnsiText tip);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Whether the shell took the icon.
    bool Shown() const { return shown_; }
    HICON Icon() const { return icon_; }
    const AnsiText& Tip() const { return tip_; }

    // Adds the icon again, as needed after the task bar was re-created.
    bool Restore();

    // The tray kind of a callback's mouse message, 0 for the others.
    static int KindOf(LPARAM mouseMessage);

    // Registered message the shell broadcasts when the task bar is (re-)created.
    static UINT TaskbarCreatedMessage();

private:
    NOTIFYICONDATAA Data(UINT flags) const;

    HWND window_;
    UINT callbackMessage_;
    HICON icon_ = nullptr;  // shared resource icon: owned by the system
    AnsiText tip_;
    bool shown_ = false;
};

}  // namespace runtime
