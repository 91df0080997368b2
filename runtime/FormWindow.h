#pragma once
// A native top-level window made from a form template, with its timers,
// dialogs, labels and progress bars, and the events the program handles.
//
// The runtime keeps every live form; a FormWindow object outlives its window
// safely: once the window is gone, Alive() is false and every operation is
// a no-op that answers 0 or null.

#include "runtime/FormTemplate.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace runtime {

class FormLabel;
class FormProgressBar;
class FormTimer;
class FormWindow;
class SaveFileDialog;
class TrayIcon;

struct FormEvents {
    // After the window and its components exist, before it is shown.
    std::function<void(FormWindow&)> created;
    // The window's size or state changed (from the first change after created).
    std::function<void(FormWindow&)> positionChanged;
    // An action on the tray icon: TrayIcon::kLeftUp, kLeftDoubleClick or kRightUp.
    std::function<void(FormWindow&, int kind)> tray;
    std::function<void(FormWindow&, FormTimer&)> timer;
};

struct LoadOptions {
    HWND owner = nullptr;
    // Disables the owner and returns only once the window is gone.
    bool modal = false;
};

class FormWindow : public std::enable_shared_from_this<FormWindow> {
    struct Private {};

public:
    // Window states.
    static constexpr int kNormal = 0;
    static constexpr int kMinimised = 2;
    static constexpr int kMaximised = 3;

    // The tray icon's callback message; its lparam is the mouse message.
    static constexpr UINT kTrayMessage = WM_APP + 1;
    static constexpr const char* kClassName = "Lanvo_Form";

    // Creates the window and its components, raises created and, unless that
    // destroyed the window, shows it. A window that could not be made comes
    // back not alive.
    static std::shared_ptr<FormWindow> Load(const FormTemplate& form, FormEvents events, LoadOptions options = {});

    // The live form of a native window, or null.
    static FormWindow* FromHandle(HWND window);
    static int LiveCount();
    static void DestroyAll();

    FormWindow(Private, const FormTemplate& form, FormEvents events, LoadOptions options);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND Handle() const { return window_; }
    bool Alive() const { return window_ != nullptr; }
    void Destroy();

    // 1 visible, 0 hidden.
    int Visible(std::optional<int> value = {});
    // kNormal, kMinimised or kMaximised; other values are ignored. Like the
    // system's ShowWindow, a new state shows a hidden window.
    int WindowState(std::optional<int> value = {});

    // Components by their template names; null when there is none.
    FormTimer* Timer(std::string_view name) const;
    SaveFileDialog* SaveDialog(std::string_view name) const;
    FormLabel* Label(std::string_view name) const;
    FormProgressBar* ProgressBar(std::string_view name) const;

    // Puts the window's icon in the notification area with tip, replacing
    // one it had. Null when the window is gone.
    TrayIcon* AddTrayIcon(AnsiText tip);
    TrayIcon* Tray() const { return tray_.get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    bool Create(const FormTemplate& form);
    void MakeComponents(const FormTemplate& form);
    void RaiseCreated();
    void RunModal();
    void ReleaseOwner();

    void OnSize();
    bool OnTimer(UINT_PTR id);
    void OnPaint(HWND window);
    void OnTray(LPARAM mouseMessage);
    void OnDestroy();
    void OnFinalDestroy(HWND window);

    HWND window_ = nullptr;
    HWND owner_;
    bool modal_;
    bool ownerDisabled_ = false;  // by this window, which enables it again
    bool eventsOn_ = false;
    AnsiText iconName_;  // empty: none
    FormEvents events_;
    std::vector<std::unique_ptr<FormTimer>> timers_;
    std::vector<std::unique_ptr<SaveFileDialog>> saveDialogs_;
    std::vector<std::unique_ptr<FormLabel>> labels_;
    std::vector<std::unique_ptr<FormProgressBar>> progressBars_;
    std::unique_ptr<TrayIcon> tray_;
};

}  // namespace runtime
