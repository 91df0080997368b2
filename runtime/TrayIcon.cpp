#include "runtime/TrayIcon.h"

#include <algorithm>
#include <utility>

namespace runtime {
namespace {

constexpr UINT kIconId = 1;

// The longest prefix of text that fits size bytes with its terminator,
// without cutting a two-byte character.
size_t FittingLength(const AnsiText& text, size_t size) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + (IsLeadByte(text[end]) ? 2 : 1);
        if (next > text.size() || next >= size) break;
        end = next;
    }
    return end;
}

HICON LoadSmallIcon(const char* name) {
    if (!name) return nullptr;
    // LR_SHARED: the system owns the icon, it lives as long as the module.
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                         LR_SHARED));
}

}  // namespace

TrayIcon::TrayIcon(HWND window, UINT callbackMessage, const char* iconName, AnsiText tip)
    : window_(window), callbackMessage_(callbackMessage), icon_(LoadSmallIcon(iconName)), tip_(std::move(tip)) {
    Restore();
}

TrayIcon::~TrayIcon() {
    if (!shown_) return;
    NOTIFYICONDATAA data = Data(0);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

NOTIFYICONDATAA TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    const size_t length = FittingLength(tip_, sizeof data.szTip);
    std::copy_n(tip_.data(), length, data.szTip);
    data.szTip[length] = '\0';
    return data;
}

bool TrayIcon::Restore() {
    const UINT flags = NIF_MESSAGE | NIF_TIP | (icon_ ? NIF_ICON : 0);
    NOTIFYICONDATAA data = Data(flags);
    // A shell that still has the icon refuses to add it twice.
    shown_ = Shell_NotifyIconA(NIM_ADD, &data) || Shell_NotifyIconA(NIM_MODIFY, &data);
    return shown_;
}

int TrayIcon::KindOf(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP: return kLeftUp;
    case WM_LBUTTONDBLCLK: return kLeftDoubleClick;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: return kRightUp;
    default: return 0;
    }
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace runtime
