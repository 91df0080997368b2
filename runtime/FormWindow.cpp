#include "runtime/FormWindow.h"

#include "runtime/FormLabel.h"
#include "runtime/FormProgressBar.h"
#include "runtime/FormTimer.h"
#include "runtime/MessageLoop.h"
#include "runtime/SaveFileDialog.h"
#include "runtime/TrayIcon.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace runtime {
namespace {

// Far above the small ids that other code attached to a form may give its
// own timers on the same window.
constexpr UINT_PTR kFirstTimerId = 0x7FFF0000;

// The live forms. The map's share keeps a form alive while its window
// exists; the window procedure holds another while it dispatches.
std::unordered_map<HWND, std::shared_ptr<FormWindow>>& Registry() {
    static std::unordered_map<HWND, std::shared_ptr<FormWindow>> forms;
    return forms;
}

void RegisterFormClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wc.lpszClassName = FormWindow::kClassName;
        return RegisterClassExA(&wc);
    }();
    (void)atom;
}

RECT BoundsOf(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

template <class T>
T* FindByName(const std::vector<std::unique_ptr<T>>& items, std::string_view name) {
    const auto it = std::find_if(items.begin(), items.end(), [&](const auto& item) { return item->Name() == name; });
    return it == items.end() ? nullptr : it->get();
}

void SetWindowIcons(HWND window, const AnsiText& name) {
    if (name.empty()) return;
    const struct {
        WPARAM which;
        int width, height;
    } sizes[] = {{ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
    for (const auto& size : sizes) {
        // Shared: the system owns the icon for the life of the module.
        const HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON,
                                       GetSystemMetrics(size.width), GetSystemMetrics(size.height), LR_SHARED);
        if (icon) SendMessageA(window, WM_SETICON, size.which, reinterpret_cast<LPARAM>(icon));
    }
}

}  // namespace

std::shared_ptr<FormWindow> FormWindow::Load(const FormTemplate& form, FormEvents events, LoadOptions options) {
    auto self = std::make_shared<FormWindow>(Private{}, form, std::move(events), options);
    if (!self->Create(form)) return self;
    self->RaiseCreated();
    if (!self->Alive()) return self;
    if (self->modal_ && self->owner_) self->ownerDisabled_ = !EnableWindow(self->owner_, FALSE);
    ShowWindow(self->window_, SW_SHOWNORMAL);
    if (self->modal_) self->RunModal();
    return self;
}

FormWindow::FormWindow(Private, const FormTemplate& form, FormEvents events, LoadOptions options)
    : owner_(options.owner),
      modal_(options.modal),
      iconName_(form.iconName ? form.iconName : ""),
      events_(std::move(events)) {}

FormWindow::~FormWindow() = default;

FormWindow* FormWindow::FromHandle(HWND window) {
    const auto it = Registry().find(window);
    return it == Registry().end() ? nullptr : it->second.get();
}

int FormWindow::LiveCount() { return static_cast<int>(Registry().size()); }

void FormWindow::DestroyAll() {
    std::vector<std::shared_ptr<FormWindow>> forms;
    for (const auto& entry : Registry()) forms.push_back(entry.second);
    // Destroying an owner takes its owned forms with it: they are then no
    // longer alive and are skipped.
    for (const auto& form : forms) form->Destroy();
}

bool FormWindow::Create(const FormTemplate& form) {
    RegisterFormClass(&FormWindow::WindowProc);
    CreateWindowExA(0, kClassName, form.title.c_str(), form.style & ~WS_VISIBLE, form.x, form.y, form.width,
                    form.height, owner_, nullptr, GetModuleHandleA(nullptr), static_cast<void*>(this));
    if (!window_) return false;
    SetWindowIcons(window_, iconName_);
    MakeComponents(form);
    return true;
}

void FormWindow::MakeComponents(const FormTemplate& form) {
    UINT_PTR timerId = kFirstTimerId;
    for (const TimerTemplate& t : form.timers)
        timers_.push_back(std::make_unique<FormTimer>(window_, timerId++, t.name, t.interval));
    for (const SaveDialogTemplate& d : form.saveDialogs)
        saveDialogs_.push_back(std::make_unique<SaveFileDialog>(d.name, d.title, d.filter, d.defaultExtension));
    for (const LabelTemplate& l : form.labels)
        labels_.push_back(
            std::make_unique<FormLabel>(window_, l.name, BoundsOf(l.x, l.y, l.width, l.height), l.text));
    for (const ProgressBarTemplate& p : form.progressBars)
        progressBars_.push_back(
            std::make_unique<FormProgressBar>(window_, p.name, BoundsOf(p.x, p.y, p.width, p.height)));
}

void FormWindow::RaiseCreated() {
    eventsOn_ = true;
    if (events_.created) events_.created(*this);
}

void FormWindow::RunModal() {
    const std::shared_ptr<FormWindow> self = shared_from_this();
    MessageLoop::RunWhile([&self] { return self->Alive(); });
    // The loop may have stopped for the program's end with the window still there.
    ReleaseOwner();
}

void FormWindow::ReleaseOwner() {
    // Before the window goes: the owner must be able to take the activation.
    if (!ownerDisabled_) return;
    ownerDisabled_ = false;
    EnableWindow(owner_, TRUE);
}

void FormWindow::Destroy() {
    if (!window_) return;
    ReleaseOwner();
    DestroyWindow(window_);
}

int FormWindow::Visible(std::optional<int> value) {
    if (!window_) return 0;
    if (value) ShowWindow(window_, *value ? SW_SHOW : SW_HIDE);
    return IsWindowVisible(window_) ? 1 : 0;
}

int FormWindow::WindowState(std::optional<int> value) {
    if (!window_) return kNormal;
    if (value) {
        switch (*value) {
        case kNormal:
            // Restoring a window that was maximised before it was minimised
            // brings back the maximised state first.
            for (int i = 0; i < 2 && (IsIconic(window_) || IsZoomed(window_)); ++i) ShowWindow(window_, SW_RESTORE);
            if (!IsWindowVisible(window_)) ShowWindow(window_, SW_SHOWNORMAL);
            break;
        case kMinimised: ShowWindow(window_, SW_MINIMIZE); break;
        case kMaximised: ShowWindow(window_, SW_MAXIMIZE); break;
        default: break;
        }
    }
    if (IsIconic(window_)) return kMinimised;
    if (IsZoomed(window_)) return kMaximised;
    return kNormal;
}

FormTimer* FormWindow::Timer(std::string_view name) const { return FindByName(timers_, name); }
SaveFileDialog* FormWindow::SaveDialog(std::string_view name) const { return FindByName(saveDialogs_, name); }
FormLabel* FormWindow::Label(std::string_view name) const { return FindByName(labels_, name); }
FormProgressBar* FormWindow::ProgressBar(std::string_view name) const { return FindByName(progressBars_, name); }

TrayIcon* FormWindow::AddTrayIcon(AnsiText tip) {
    if (!window_) return nullptr;
    tray_.reset();  // the old icon leaves the notification area first
    tray_ = std::make_unique<TrayIcon>(window_, kTrayMessage, iconName_.empty() ? nullptr : iconName_.c_str(),
                                       std::move(tip));
    return tray_.get();
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        self->window_ = window;
        Registry().emplace(window, self->shared_from_this());
    }
    const auto it = Registry().find(window);
    if (it == Registry().end()) return DefWindowProcA(window, message, wparam, lparam);
    const std::shared_ptr<FormWindow> self = it->second;  // alive until this message returns
    return self->HandleMessage(window, message, wparam, lparam);
}

LRESULT FormWindow::HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_SIZE: OnSize(); break;
    case WM_TIMER:
        if (OnTimer(wparam)) return 0;
        break;
    case WM_PAINT: OnPaint(window); return 0;
    case WM_CLOSE: ReleaseOwner(); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_NCDESTROY: {
        const LRESULT result = DefWindowProcA(window, message, wparam, lparam);
        OnFinalDestroy(window);
        return result;
    }
    case kTrayMessage: OnTray(lparam); return 0;
    default:
        if (message == TrayIcon::TaskbarCreatedMessage() && tray_) tray_->Restore();
        break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

void FormWindow::OnSize() {
    if (eventsOn_ && events_.positionChanged) events_.positionChanged(*this);
}

bool FormWindow::OnTimer(UINT_PTR id) {
    const auto it = std::find_if(timers_.begin(), timers_.end(), [id](const auto& t) { return t->Id() == id; });
    if (it == timers_.end()) return false;
    FormTimer& timer = **it;
    if (timer.Running() && events_.timer) events_.timer(*this, timer);
    return true;
}

void FormWindow::OnPaint(HWND window) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(window, &ps);
    if (dc) {
        for (const auto& label : labels_) label->Paint(dc);
    }
    EndPaint(window, &ps);
}

void FormWindow::OnTray(LPARAM mouseMessage) {
    const int kind = TrayIcon::KindOf(mouseMessage);
    if (kind != 0 && events_.tray) events_.tray(*this, kind);
}

void FormWindow::OnDestroy() {
    ReleaseOwner();
    eventsOn_ = false;
    tray_.reset();
    for (const auto& timer : timers_) timer->Detach();
    for (const auto& label : labels_) label->Detach();
    for (const auto& bar : progressBars_) bar->Detach();
}

void FormWindow::OnFinalDestroy(HWND window) {
    window_ = nullptr;
    Registry().erase(window);
    if (Registry().empty()) MessageLoop::Wake();
}

}  // namespace runtime
