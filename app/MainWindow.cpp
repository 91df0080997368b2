#include "app/MainWindow.h"

#include "app/MainLayout.h"
#include "app/UpdateCheck.h"
#include "app/WelcomeText.h"
#include "resources/Resources.h"
#include "runtime/FormTimer.h"
#include "runtime/SaveFileDialog.h"
#include "runtime/TrayIcon.h"

namespace lanvo {
namespace {

constexpr int kLeft = 50;
constexpr int kTop = 50;
constexpr int kOuterWidth = 714;
constexpr int kOuterHeight = 419;
constexpr const char* kTitle = "Lanvo3.0";
constexpr const char* kTrayTip = "Lanvo";
constexpr const char* kSaveDialogTitle = "保存图片";
constexpr const char* kPictureFilter = "JPG图片（*.jpg）|*.jpg|Gif图片（*.gif）|*.gif|Bmp图片（*.bmp）|*.bmp";
constexpr const char* kPictureExtension = "jpg";
constexpr int kWelcomeTickMs = 100;

}  // namespace

runtime::FormTemplate MainWindowTemplate() {
    return {
        .x = kLeft,
        .y = kTop,
        .width = kOuterWidth,
        .height = kOuterHeight,
        .title = kTitle,
        .iconName = resources::kProgramIcon,
        .timers = {{.name = kClockName, .interval = 0}},
        .saveDialogs = {{.name = kSaveDialogName,
                         .title = kSaveDialogTitle,
                         .filter = kPictureFilter,
                         .defaultExtension = kPictureExtension}},
    };
}

MainWindow::MainWindow(AppObjects& objects) : objects_(objects) {}

MainWindow::~MainWindow() {
    if (form_) form_->Destroy();
}

void MainWindow::Load() {
    form_ = runtime::FormWindow::Load(MainWindowTemplate(), {
        .created = [this](runtime::FormWindow& form) {
            form_ = form.shared_from_this();  // handlers may use Form() already
            OnCreated();
        },
        .positionChanged = [this](runtime::FormWindow&) { OnPositionChanged(); },
        .tray = [this](runtime::FormWindow&, int kind) { OnTray(kind); },
        .timer = [this](runtime::FormWindow&, runtime::FormTimer&) { OnClockTick(); },
    });
}

runtime::FormTimer& MainWindow::Clock() { return *form_->Timer(kClockName); }

runtime::SaveFileDialog& MainWindow::SaveDialog() { return *form_->SaveDialog(kSaveDialogName); }

void MainWindow::OnCreated() {
    form_->AddTrayIcon(kTrayTip);
    if (!RunUpdateCheck(objects_, *this)) return;
    BuildMainWindow(objects_, *this);
}

void MainWindow::OnPositionChanged() {
    // Minimised means gone to the tray: off the screen and the task bar.
    if (form_->WindowState() == runtime::FormWindow::kMinimised) form_->Visible(0);
}

void MainWindow::OnTray(int kind) {
    if (kind != runtime::TrayIcon::kLeftDoubleClick) return;
    form_->Visible(1);
    form_->WindowState(runtime::FormWindow::kNormal);
}

void MainWindow::StartWelcomeText() {
    SetWelcomeLabelText(objects_, {});
    objects_.welcomePos = 1;
    Clock().Interval(kWelcomeTickMs);
}

void MainWindow::StopWelcomeText() { Clock().Interval(0); }

void MainWindow::OnClockTick() {
    SetWelcomeLabelText(objects_, TypeWelcomeTick(WelcomeLabelText(objects_), kWelcomeText, objects_.welcomePos));
}

}  // namespace lanvo
