#pragma once
// The main window's shell: its template, tray icon, minimise to the tray and
// restore, and the clock that types the welcome text.

#include "app/AppObjects.h"
#include "runtime/FormWindow.h"

#include <memory>

namespace runtime {
class FormTimer;
class SaveFileDialog;
}  // namespace runtime

namespace lanvo {

// Names of the template's components.
inline constexpr const char* kClockName = "时钟1";
inline constexpr const char* kSaveDialogName = "通用对话框1";

runtime::FormTemplate MainWindowTemplate();

class MainWindow {
public:
    explicit MainWindow(AppObjects& objects);
    ~MainWindow();  // destroys the window if it is still there
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Loads the window from its template; its created event runs before it shows.
    void Load();

    runtime::FormWindow& Form() { return *form_; }
    runtime::FormTimer& Clock();
    runtime::SaveFileDialog& SaveDialog();

    // The about page types its welcome text from the start, one piece per tick.
    void StartWelcomeText();
    void StopWelcomeText();

private:
    void OnCreated();
    void OnPositionChanged();
    void OnTray(int kind);
    void OnClockTick();

    AppObjects& objects_;
    std::shared_ptr<runtime::FormWindow> form_;
};

}  // namespace lanvo
