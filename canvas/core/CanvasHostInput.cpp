// Mouse, keyboard, focus, access keys and the tooltip.
//
// Every notification and callback below can run application code that
// destroys controls or the whole window, so the routing keeps handles rather
// than pointers and looks each control up again when it needs it.
#include "canvas/core/CanvasHost.h"
#include "canvas/core/Composition.h"

#include <windowsx.h>

#include <algorithm>

namespace canvas {
namespace {

// WM_LBUTTONDOWN with this wparam is the second press of a double click
// (the window procedure turns WM_LBUTTONDBLCLK into it).
constexpr WPARAM kDoubleClickMarker = 10086;
// A double click on the background above this line maximises or restores.
constexpr int kMaximizeBandHeight = 30;

// The invisible resize border.
constexpr int kTopBand = 8;
constexpr int kLeftBand = 8;
constexpr int kFarBand = 10;     // right and bottom bands
constexpr int kCornerWidth = 10;
constexpr float kEdgeTolerance = 0.0000001f;

// MapVirtualKey marks a dead key (a diacritic) with the top bit.
constexpr UINT kDeadKeyBit = 0x80000000u;

struct ResizeZone {
    int zone;       // WMSZ_ value: added to SC_SIZE it tells the system which edge moves
    LPCSTR cursor;  // 0: no zone
};

ResizeZone ZoneAt(int x, int y, int width, int height) {
    const bool top = y < kTopBand;
    // x > w - 10 and y > h - 10, compared the way the layout code compares floats.
    const bool right = static_cast<float>(width - x - kFarBand) < -kEdgeTolerance;
    const bool bottom = static_cast<float>(height - y - kFarBand) < -kEdgeTolerance;
    const bool leftCorner = x < kCornerWidth;
    if (top && leftCorner) return {WMSZ_TOPLEFT, IDC_SIZENWSE};
    if (top && right) return {WMSZ_TOPRIGHT, IDC_SIZENESW};
    if (top) return {WMSZ_TOP, IDC_SIZENS};
    if (bottom && leftCorner) return {WMSZ_BOTTOMLEFT, IDC_SIZENESW};
    if (bottom && right) return {WMSZ_BOTTOMRIGHT, IDC_SIZENWSE};
    if (bottom) return {WMSZ_BOTTOM, IDC_SIZENS};
    if (x < kLeftBand) return {WMSZ_LEFT, IDC_SIZEWE};
    if (right) return {WMSZ_RIGHT, IDC_SIZEWE};
    return {0, nullptr};
}

int KindOf(Handle control) {
    const CanvasControl* c = ControlFromHandle(control);
    return c ? c->kind : 0;
}

// Raises a code on a control that may already be gone; `gone` is the answer then.
int Raise(Handle control, UINT code, WPARAM wparam, LPARAM lparam, int gone = 0) {
    CanvasControl* c = ControlFromHandle(control);
    return c ? c->RaiseEvent(code, wparam, lparam) : gone;
}

void Notify(const HostControlRoutine& routine, HWND window, Handle control, WPARAM wparam, LPARAM lparam,
            int kind) {
    if (!routine) return;
    const HostControlRoutine call = routine;  // the routine may replace itself
    call(window, control, wparam, lparam, kind);
}

// Drawn and reachable: the control and every control above it are visible
// and enabled. A control on a hidden page is hidden to the user.
bool IsUsable(const CanvasControl* c) {
    while (c) {
        if (c->visible != 1 || c->disabled) return false;
        if (c->parent == 0) return true;
        c = ControlFromHandle(c->parent);
    }
    return false;  // a parent that is gone
}

bool IsTabStop(const CanvasControl* c) {
    return c && c->focusable && c->kind != kind::kCaptionButton && IsUsable(c);
}

// The top-level control that holds a control (the control itself at the top).
Handle TopLevelOf(Handle control) {
    const CanvasControl* c = ControlFromHandle(control);
    while (c && c->parent != 0) c = ControlFromHandle(c->parent);
    return c ? c->handle : 0;
}

int AsciiLower(int ch) { return (ch >= 'A' && ch <= 'Z') ? ch - 'A' + 'a' : ch; }

// The character a virtual key stands for; 0 when it has none. Letters and
// digits are their own key codes; the codes that look like lower-case letters
// are the numeric pad and the function keys, never letters.
int KeyCharacter(WPARAM key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return static_cast<int>(key);
    const UINT mapped = MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_CHAR) & ~kDeadKeyBit;
    return (mapped > 0 && mapped < 0x80) ? static_cast<int>(mapped) : 0;
}

// Gives the native keyboard focus to the host window.
void TakeNativeFocus(HWND window) {
    const HWND current = GetFocus();
    if (current == window) return;
    if (current) SendMessageA(current, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    SetFocus(window);
}

// The system's own move loop, as if the caption had been pressed.
void StartWindowDrag(HWND window) { SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

void ToggleMaximized(HWND window) {
    PostMessageA(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
}

// Still attached to the window it was routing for: false once application
// code has destroyed the window (Detach has then cleared everything).
bool StillAttached(const CanvasHost& host, HWND window) { return window && HostOfWindow(window) == &host; }

// The tooltip learns where the mouse is from the host rather than by
// subclassing the window: a subclass stacked on top of the host's stub would
// put the stub back as the window procedure after Detach has freed it, and
// the window's last messages would then jump into freed memory.
void RelayToTooltip(const CanvasHost& host, UINT message, WPARAM wparam, LPARAM lparam) {
    if (!host.tooltipWindow) return;
    MSG msg{host.window, message, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&msg.pt);
    SendMessageA(host.tooltipWindow, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

Handle HitTest(const CanvasHost& host, int x, int y) {
    return ControlAt(host.lastControl, static_cast<float>(x), static_cast<float>(y));
}

// The left button came up while a control held the capture.
void ReleaseFromCapture(CanvasHost& host, WPARAM wparam, LPARAM lparam) {
    const HWND window = host.window;
    Notify(host.onMouseUp, window, host.captured, wparam, lparam, KindOf(host.captured));
    if (!StillAttached(host, window)) return;
    ReleaseCapture();
    const Handle hit = HitTest(host, GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
    const Handle held = host.captured;  // 0 when the control went away meanwhile
    // The capture is over before anything below can start a nested loop.
    host.capturing = 0;
    host.captured = 0;
    host.hover = hit;
    if (held != 0 && hit == held) {
        const int kind = KindOf(held);
        Raise(held, notify::kClick, held, lparam);
        Notify(host.onClick, window, held, wparam, lparam, kind);
        return;
    }
    // Released somewhere else: the pressed control is left, the one under the
    // mouse entered.
    if (const CanvasControl* c = ControlFromHandle(held); c && c->visible == 1) {
        const int kind = c->kind;
        Raise(held, notify::kMouseLeave, wparam, hit);
        Notify(host.onMouseLeave, window, held, wparam, lparam, kind);
        if (!StillAttached(host, window)) return;
    }
    const Handle entered = ControlFromHandle(hit) ? hit : 0;
    host.hover = entered;
    Raise(entered, notify::kMouseEnter, wparam, held);
    Notify(host.onMouseEnter, window, entered, wparam, lparam, KindOf(entered));
    if (StillAttached(host, window)) host.SetTooltip(entered, nullptr);
}

// The window lost the mouse capture without a release reaching it: the mouse
// left the window (its handler gives the capture up), another window took it,
// or a system loop ran. The press is over; the pressed control is left unless
// that was already said.
void EndLostCapture(CanvasHost& host, WPARAM wparam, LPARAM lparam) {
    const Handle held = host.captured;
    host.capturing = 0;
    host.captured = 0;
    if (held == 0 || host.hover != held) return;
    host.hover = 0;
    const int kind = KindOf(held);
    Raise(held, notify::kMouseLeave, wparam, 0);
    Notify(host.onMouseLeave, host.window, held, wparam, lparam, kind);
}

// Everything goes to the control that holds the capture, wparam replaced by
// its handle so that it can tell a drag from a plain move.
void RouteCaptured(CanvasHost& host, UINT message, WPARAM wparam, LPARAM lparam) {
    const HWND window = host.window;
    const Handle held = host.captured;
    Raise(held, message, held, lparam);
    if (message == WM_LBUTTONUP && StillAttached(host, window) && host.capturing)
        ReleaseFromCapture(host, wparam, lparam);
}

void PressBackground(CanvasHost& host, WPARAM wparam, int y) {
    const HWND window = host.window;
    TakeNativeFocus(window);
    if (wparam == kDoubleClickMarker) {
        if (y < kMaximizeBandHeight && (host.captionFlags & caption::kMaximize)) {
            ToggleMaximized(window);
            StartWindowDrag(window);
        }
        return;
    }
    if (host.dragAnywhere) StartWindowDrag(window);
}

void PressControl(CanvasHost& host, Handle control, WPARAM wparam, LPARAM lparam) {
    const HWND window = host.window;
    TakeNativeFocus(window);
    const int answer = Raise(control, notify::kPressQuery, wparam, lparam, -1);
    const CanvasControl* c = ControlFromHandle(control);
    if (!c || !StillAttached(host, window)) return;
    const int kind = c->kind;
    const bool focusable = c->focusable != 0;

    if (answer != -1 || focusable) {
        Notify(host.onMouseDown, window, control, wparam, lparam, kind);
        if (!ControlFromHandle(control) || !StillAttached(host, window)) return;
        host.capturing = 1;
        host.captured = control;
        if (focusable && host.focus != control) {
            const Handle old = host.focus;
            const int oldKind = KindOf(old);
            host.focus = control;
            host.focusCue = 0;
            Raise(old, notify::kLostFocus, wparam, control);
            Notify(host.onBlur, window, old, wparam, lparam, oldKind);
            Raise(control, notify::kGotFocus, wparam, old);
            Notify(host.onFocus, window, control, wparam, lparam, kind);
        }
        if (wparam == kDoubleClickMarker) Notify(host.onDoubleClick, window, control, wparam, lparam, kind);
        // Only capture for a control that is still the one pressed.
        if (StillAttached(host, window) && host.capturing && host.captured == control) SetCapture(window);
        return;
    }

    const int titleFlags = caption::kTitle | caption::kMaximize;
    if (wparam == kDoubleClickMarker && (host.captionFlags & titleFlags) == titleFlags && host.titleLabel &&
        host.titleLabel->handle == control) {
        ToggleMaximized(window);
    }
    if (host.dragAnywhere) StartWindowDrag(window);
}

}  // namespace

void CanvasHost::MouseMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (!window) return;
    RelayToTooltip(*this, message, wparam, lparam);
    if (busy) return;
    if (capturing && GetCapture() != window) {
        const HWND w = window;
        EndLostCapture(*this, wparam, lparam);
        if (!StillAttached(*this, w)) return;
    }
    if (ResizeBorder(message, lparam)) return;
    if (capturing) {
        RouteCaptured(*this, message, wparam, lparam);
        return;
    }

    const HWND w = window;
    const int x = GET_X_LPARAM(lparam), y = GET_Y_LPARAM(lparam);
    const Handle hit = HitTest(*this, x, y);

    if (hit != hover) {
        if (const CanvasControl* old = ControlFromHandle(hover); old && old->visible == 1) {
            const Handle left = hover;
            const int kind = old->kind;
            Raise(left, notify::kMouseLeave, wparam, hit);
            Notify(onMouseLeave, w, left, wparam, lparam, kind);
            if (!StillAttached(*this, w)) return;
        }
    }

    switch (message) {
        case WM_LBUTTONDOWN:
            if (hit == 0) {
                PressBackground(*this, wparam, y);
            } else {
                PressControl(*this, hit, wparam, lparam);
            }
            break;
        case WM_MOUSEMOVE:
            if (hit != hover) {
                Raise(hit, notify::kMouseEnter, wparam, hover);
                Notify(onMouseEnter, w, hit, wparam, lparam, KindOf(hit));
                if (StillAttached(*this, w)) SetTooltip(hit, nullptr);
            }
            break;
        case WM_RBUTTONDOWN:
            Notify(onRightDown, w, hit, wparam, lparam, KindOf(hit));
            break;
        case WM_RBUTTONUP:
            Notify(onRightUp, w, hit, wparam, lparam, KindOf(hit));
            break;
        default:
            break;
    }
    if (!StillAttached(*this, w)) return;
    if (ControlFromHandle(hit)) {
        Raise(hit, message, wparam, lparam);
        if (!StillAttached(*this, w)) return;
    }
    hover = ControlFromHandle(hit) ? hit : 0;
}

bool CanvasHost::ResizeBorder(UINT message, LPARAM lparam) {
    if (!resizable || capturing || !window) return false;
    if (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN) return false;
    if (IsZoomed(window)) return false;
    const ResizeZone zone = ZoneAt(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), size.cx, size.cy);
    if (!zone.zone) return false;

    ::SetCursor(LoadCursorA(nullptr, zone.cursor));
    if (ControlFromHandle(hover)) {
        const Handle left = hover;
        hover = 0;
        Raise(left, notify::kMouseLeave, 0, 0);
    }
    if (message == WM_LBUTTONDOWN && window) SendMessageA(window, WM_SYSCOMMAND, SC_SIZE + zone.zone, 0);
    return true;
}

void CanvasHost::KeyDown(UINT message, WPARAM key, LPARAM lparam) {
    const HWND w = window;
    if (ControlFromHandle(focus) && Raise(focus, message, key, lparam, -1) != -1) return;
    if (!StillAttached(*this, w)) return;

    if (key == VK_TAB) {
        // The walk runs over the top-level list only, starting after the
        // top-level control that holds the focus, or at the first control
        // when nothing has it, and goes round the list at most once.
        const Handle start = TopLevelOf(focus);
        int count = 0;
        bool startListed = false;
        for (const CanvasControl* c = ControlFromHandle(firstControl); c; c = ControlFromHandle(c->nextSibling)) {
            ++count;
            startListed = startListed || c->handle == start;
        }
        const auto next = [this](Handle h) -> Handle {
            if (h == lastControl) return firstControl;
            const CanvasControl* c = ControlFromHandle(h);
            return c ? c->nextSibling : 0;
        };
        Handle candidate = startListed ? next(start) : firstControl;
        for (int step = 0; step < count && candidate; ++step, candidate = next(candidate)) {
            if (!IsTabStop(ControlFromHandle(candidate))) continue;
            if (candidate != focus) SetFocus(candidate, true);
            return;
        }
        return;
    }

    if (key == VK_RETURN || key == VK_SPACE) {
        const CanvasControl* c = ControlFromHandle(focus);
        if (!c || !IsUsable(c)) return;
        const Handle clicked = focus;
        const int kind = c->kind;
        Raise(clicked, notify::kClick, 0, 0);
        Notify(onClick, w, clicked, 0, 0, kind);
    }
}

void CanvasHost::SysKeyDown(WPARAM key, LPARAM lparam) {
    const int character = AsciiLower(KeyCharacter(key));
    if (character == 0) return;
    for (std::size_t i = 0; i < accessKeys.size(); ++i) {
        const auto [control, entryKey] = accessKeys[i];
        if (AsciiLower(static_cast<unsigned char>(entryKey)) != character) continue;
        const CanvasControl* c = ControlFromHandle(control);
        if (!c || !IsUsable(c)) continue;
        const int kind = c->kind;
        Raise(control, notify::kClick, 0, 0);
        Notify(onClick, window, control, key, lparam, kind);
        return;
    }
}

int CanvasHost::SetAccessKey(Handle control, int key) {
    const CanvasControl* c = ControlFromHandle(control);
    if (!c || c->host != handle) return 0;  // not a control of this window
    const auto entry = std::find_if(accessKeys.begin(), accessKeys.end(),
                                    [control](const auto& e) { return e.first == control; });
    if (key == 0) {
        if (entry != accessKeys.end()) accessKeys.erase(entry);
    } else if (entry != accessKeys.end()) {
        entry->second = key;
    } else {
        accessKeys.emplace_back(control, key);
    }
    return 1;
}

void CanvasHost::SetFocus(Handle control, bool cue) {
    const CanvasControl* c = ControlFromHandle(control);
    if (!c || c->host != handle || !IsTabStop(c) || focus == control) return;
    const Handle old = focus;
    focus = control;
    focusCue = 0;
    Raise(old, notify::kLostFocus, 0, control);
    if (cue && focus == control) focusCue = control;
    Raise(control, notify::kGotFocus, 0, old);
}

void CanvasHost::SetTooltip(Handle control, const AnsiText* text) {
    const CanvasControl* c = ControlFromHandle(control);
    if (!c || c->host != handle || !tooltipWindow) return;
    SendMessageA(tooltipWindow, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tooltipInfo));
    tooltipShown = text ? *text : c->tooltipText;
    if (tooltipShown.empty()) return;
    const RectF& b = c->bounds;
    tooltipInfo.rect = {static_cast<LONG>(b.x), static_cast<LONG>(b.y), static_cast<LONG>(b.x + b.width),
                        static_cast<LONG>(b.y + b.height)};
    tooltipInfo.lpszText = tooltipShown.data();
    tooltipInfo.uFlags &= ~TTF_SUBCLASS;  // the host relays the mouse messages itself
    SendMessageA(tooltipWindow, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tooltipInfo));
}

}  // namespace canvas
