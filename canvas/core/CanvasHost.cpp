#include "canvas/core/CanvasHost.h"

#include "canvas/services/Toolkit.h"

namespace canvas {
namespace {

constexpr int kMaxWindowText = 255;
constexpr int kTooltipMaxWidth = 1024;
constexpr int kMaximizedOverlap = 7;       // a maximised window overlaps the work area by this much
constexpr int kCaptionButtonWidth = 28;
constexpr int kCloseButtonExtra = 11;      // the close button is 39 wide
constexpr int kCaptionMinExtra = 35;
constexpr int kMinTrackNoCaption[2] = {21, 20};
constexpr int kMinTrackHeight = 40;
constexpr WPARAM kDoubleClickMarker = 10086;

LONG StyleOf(HWND w) { return GetWindowLongA(w, GWL_STYLE); }
void SetStyle(HWND w, LONG style) { SetWindowLongA(w, GWL_STYLE, style); }

}  // namespace

CanvasHost* HostOfWindow(HWND w) {
    if (!w) return nullptr;
    const auto handle = static_cast<Handle>(reinterpret_cast<std::uintptr_t>(GetPropA(w, kHostProperty)));
    return HostFromHandle(handle);
}

CanvasHost::CanvasHost() { handle = HandleTable::Add(this); }

CanvasHost::~CanvasHost() {
    if (window && previousProc && IsWindow(window) && HostOfWindow(window) == this) {
        // Still attached: give the window back before the object goes.
        Detach(window);
    }
    HandleTable::Remove(handle);
}

int CanvasHost::DragAnywhere(std::optional<int> value) {
    if (value) dragAnywhere = *value;
    return dragAnywhere;
}

int CanvasHost::FrameStyle(std::optional<int> value) {
    if (value) frameStyle = *value;
    return frameStyle;
}

HCURSOR CanvasHost::DefaultCursor(HCURSOR cursor) { return defaultCursor = cursor; }
HCURSOR CanvasHost::DefaultCursorById(int id) { return defaultCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(id)); }

bool CanvasHost::Attach(HWND w, const AttachOptions& o) {
    if (!w || !IsWindow(w) || w == window) return false;
    // One host per window, one window per host.
    if (HostOfWindow(w) || (window && HostOfWindow(window) == this)) return false;

    skinSource = o.skinSource;
    window = w;
    windowAlpha = o.windowAlpha.value_or(-1);
    pictureMode = o.pictureMode.value_or(0);
    reserved = o.reserved.value_or(1);
    frameStyle = o.frameStyle.value_or(kDefaultFrameStyle);
    LONG style = StyleOf(w);
    resizable = o.resizable.value_or((style & WS_THICKFRAME) ? 1 : 0);
    dragAnywhere = o.dragAnywhere.value_or(1);
    blur = (osMajorVersion == 6) ? 1 : 0;
    if (o.blur && windowAlpha != -1) blur = *o.blur;
    const int animate = o.animateControls.value_or(1);
    pictureCentre = o.pictureCentre;

    int flags = o.captionFlags.value_or(0);
    if (!o.captionFlags || flags != 0) style |= WS_SYSMENU;
    if (!o.captionFlags || (flags & caption::kDefaultSet)) {
        flags |= caption::kIcon | caption::kTitle | caption::kClose;
        if (style & WS_MAXIMIZEBOX) flags |= caption::kMaximize;
        if (style & WS_MINIMIZEBOX) flags |= caption::kMinimize;
    }
    captionFlags = flags;

    style |= WS_POPUP;
    SetPropA(w, kHostProperty, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(handle)));
    defaultCursor = canvas::defaultCursor;
    style &= ~(WS_THICKFRAME | WS_DLGFRAME | WS_BORDER);
    if (!(flags & caption::kMinimize)) style &= ~WS_MINIMIZEBOX;
    if (!(flags & caption::kMaximize)) style &= ~WS_MAXIMIZEBOX;
    SetStyle(w, style);

    RECT rc;
    GetWindowRect(w, &rc);
    size = {rc.right - rc.left, rc.bottom - rc.top};
    windowDc = GetDC(w);
    CreateSurfaces();
    if (windowAlpha != -1) SetWindowLongA(w, GWL_EXSTYLE, GetWindowLongA(w, GWL_EXSTYLE) | WS_EX_LAYERED);
    redrawQueue.Init(w, handle);

    stub.Build(this, &CanvasHost::StubTarget);
    previousProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(stub.proc())));

    animateControls = 0;
    busy = 1;
    if (captionFlags != 0) CreateCaption();
    busy = 0;
    PaintBackground(
        {.picture = o.picture, .loadPicture = true, .themeColour = o.themeColour, .presentMode = kNoPresent});
    if (windowAlpha != -1) Present();
    animateControls = animate;

    CreateTooltip();
    if (resizable) SetStyle(w, StyleOf(w) | WS_THICKFRAME);
    return true;
}

void CanvasHost::CreateTooltip() {
    tooltipWindow = CreateWindowExA(0, TOOLTIPS_CLASSA, "", WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                    nullptr, nullptr, nullptr, nullptr);
    if (!tooltipWindow) return;
    SetWindowPos(tooltipWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    tooltipInfo = {};
    tooltipInfo.cbSize = TTTOOLINFOA_V1_SIZE;  // 44 bytes on 32-bit systems
    tooltipInfo.uFlags = TTF_SUBCLASS;
    tooltipInfo.hwnd = window;
    SendMessageA(tooltipWindow, TTM_SETMAXTIPWIDTH, 0, kTooltipMaxWidth);
}

LRESULT CALLBACK CanvasHost::StubTarget(CanvasHost* host, UINT message, WPARAM wparam, LPARAM lparam) {
    return host->WindowProc(message, wparam, lparam);
}

LRESULT CanvasHost::CallPrevious(UINT message, WPARAM wparam, LPARAM lparam) {
    // The queue can only be flushing here when this message arrived from
    // inside the flush, on this thread: waiting would never end, so don't.
    return CallWindowProcA(previousProc, window, message, wparam, lparam);
}

LRESULT CanvasHost::WindowProc(UINT message, WPARAM wparam, LPARAM lparam) {
    const HWND w = window;
    const WNDPROC previous = previousProc;
    ++depth_;
    struct DepthGuard {
        CanvasHost* host;
        ~DepthGuard() {
            if (--host->depth_ == 0 && host->detachPending_) {
                host->detachPending_ = false;
                host->stub.Free();
            }
        }
    } guard{this};

    if (onMessage) {
        const HostMessageRoutine routine = onMessage;
        const LRESULT answer = routine(w, message, wparam, lparam);
        if (answer != -1) return answer;
    }

    switch (message) {
        case WM_DESTROY:
            Detach(w);
            return CallWindowProcA(previous, w, message, wparam, lparam);
        case WM_SIZE:
            Resized(w, wparam, lparam);
            break;
        case WM_ACTIVATE:
            if (LOWORD(wparam) == WA_INACTIVE && capturing) {
                ReleaseCapture();
                capturing = 0;
                captured = 0;
            }
            break;
        case WM_SETTEXT:
            if (captionFlags & caption::kTitle) SetTitleText(lparam ? reinterpret_cast<const char*>(lparam) : "");
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(w, &ps);
            if (back.dc())
                BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                       ps.rcPaint.bottom - ps.rcPaint.top, back.dc(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
            EndPaint(w, &ps);
            break;
        }
        case WM_CLOSE:
            PlayCloseEffect();
            ShowWindow(w, SW_HIDE);
            break;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wparam) == w) {
                CanvasControl* hovered = ControlFromHandle(hover);
                ::SetCursor(hovered && hovered->cursor ? hovered->cursor : defaultCursor);
                return 1;
            }
            break;
        case WM_GETMINMAXINFO:
            MinMaxInfo(reinterpret_cast<MINMAXINFO*>(lparam));
            return 0;
        case WM_STYLECHANGED: {
            const LONG style = StyleOf(w);
            if (style & (WS_DLGFRAME | WS_BORDER)) SetStyle(w, style & ~(WS_DLGFRAME | WS_BORDER));
            break;
        }
        case WM_NCCALCSIZE:
            if (wparam == 1) return 1;
            break;
        case WM_NCACTIVATE:
            return 1;
        case WM_TIMER:
            Timer(wparam, lparam);
            break;
        case WM_SYSKEYDOWN:
            SysKeyDown(wparam, lparam);
            break;
        case WM_KEYDOWN:
            KeyDown(message, wparam, lparam);
            break;
        case WM_KEYUP:
        case WM_CHAR:
        case WM_IME_COMPOSITION:
        case WM_COMMAND:
        case WM_MOUSEWHEEL:
            if (CanvasControl* c = ControlFromHandle(focus)) c->RaiseEvent(message, wparam, lparam);
            break;
        case WM_MOUSEMOVE:
            if (!trackingLeave) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, w, 0};
                trackingLeave = TrackMouseEvent(&track) ? 1 : 0;
            }
            MouseMessage(message, wparam, lparam);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            MouseMessage(message, wparam, lparam);
            break;
        case WM_LBUTTONDBLCLK:
            SendMessageA(w, WM_LBUTTONDOWN, kDoubleClickMarker, lparam);
            return 0;
        case WM_MOUSELEAVE:
            trackingLeave = 0;
            ReleaseCapture();
            if (CanvasControl* hovered = ControlFromHandle(hover)) {
                const Handle left = hover;
                const int leftKind = hovered->kind;
                hovered->RaiseEvent(notify::kMouseLeave, wparam, lparam);
                if (onMouseLeave) onMouseLeave(w, left, 0, 0, leftKind);
            }
            hover = 0;
            break;
        default: {
            bool handled = false;
            const LRESULT result = HostMessage(message, wparam, lparam, handled);
            if (handled) return result;
            break;
        }
    }
    if (!previous) return DefWindowProcA(w, message, wparam, lparam);
    return CallWindowProcA(previous, w, message, wparam, lparam);
}

LRESULT CanvasHost::HostMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled) {
    const auto control = [](LPARAM value) { return ControlFromHandle(static_cast<Handle>(value)); };
    switch (message) {
        case hostmsg::kSetFocus:
            if (lparam != 0) SetFocus(static_cast<Handle>(lparam), false);
            return 0;
        case hostmsg::kSetAccessKey:
            handled = true;
            return SetAccessKey(static_cast<Handle>(wparam), static_cast<int>(lparam));
        case hostmsg::kPushLayered:
            PushLayered();
            return 0;
        case hostmsg::kRepaint:
            if (CanvasControl* c = control(lparam)) c->RaiseEvent(WM_PAINT);
            return 0;
        case hostmsg::kQueueRedraw: {
            if (wparam == hostmsg::kQueueControlBounds) {
                handled = true;
                if (CanvasControl* c = control(lparam)) QueueRedraw(c->bounds, RedrawQueue::kAppend);
                return 0;
            }
            if (lparam) QueueRedraw(*reinterpret_cast<const RectF*>(lparam), static_cast<int>(wparam));
            if (wparam == RedrawQueue::kComposeNow) handled = true;
            return 0;
        }
        case hostmsg::kMoved: {
            handled = true;
            CanvasControl* c = ControlFromHandle(static_cast<Handle>(wparam));
            if (!c) return 0;
            c->RaiseEvent(notify::kMoved);
            if (lparam == 1 && !busy && ControlFromHandle(static_cast<Handle>(wparam)) == c) {
                Compose(c->previousBounds, true);
                Compose(c->bounds, true);
            }
            return 0;
        }
        case hostmsg::kEcho10258:
        case hostmsg::kEcho10259:
            handled = true;
            if (CanvasControl* c = control(lparam)) c->RaiseEvent(message, 0, static_cast<LPARAM>(wparam));
            return 0;
        default:
            return 0;
    }
}

void CanvasHost::MinMaxInfo(MINMAXINFO* info) const {
    if (!info) return;
    WorkArea work;
    GetWorkArea(work);
    info->ptMaxSize = {work.width + 2 * kMaximizedOverlap, work.height + 2 * kMaximizedOverlap};
    info->ptMaxPosition = {work.left - kMaximizedOverlap, work.top - kMaximizedOverlap};
    if (captionFlags == 0) {
        info->ptMinTrackSize = {kMinTrackNoCaption[0], kMinTrackNoCaption[1]};
    } else {
        const int buttons = static_cast<int>(captionButtons.size());
        const int closeExtra = (captionFlags & caption::kClose) ? kCloseButtonExtra : 0;
        info->ptMinTrackSize = {buttons * kCaptionButtonWidth + closeExtra + kCaptionMinExtra + 1, kMinTrackHeight};
    }
}

void CanvasHost::Resized(HWND w, WPARAM sizeType, LPARAM) {
    if (sizeType == SIZE_MINIMIZED) return;
    RECT rc;
    GetWindowRect(w, &rc);
    const SIZE now{rc.right - rc.left, rc.bottom - rc.top};
    if (now.cx == size.cx && now.cy == size.cy) return;
    size = now;
    if (onSize) onSize(w, size.cx, size.cy);
    CreateSurfaces();
    PaintBackground({.presentMode = kPresentNow});
}

void CanvasHost::Timer(UINT_PTR id, LPARAM lparam) {
    if (id == handle) {  // the host's own timer: the background fade
        FadeTick();
        return;
    }
    if (CanvasControl* c = ControlFromHandle(static_cast<Handle>(id))) c->RaiseEvent(WM_TIMER, id, lparam);
}

void CanvasHost::DestroyControls() {
    for (CanvasControl* c = ControlFromHandle(firstControl); c;) {
        CanvasControl* next = ControlFromHandle(c->nextSibling);
        c->Destroy();
        c->ClearRecord();  // inert until created again
        c = next;
    }
}

void CanvasHost::Detach(HWND w) {
    if (!previousProc || w != window) return;
    busy = 1;
    // Someone may have subclassed the window after us and still call the
    // stub as their previous procedure: then the stub must stay.
    const bool stubInstalled = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w, GWLP_WNDPROC)) == stub.proc();
    if (stubInstalled) SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
    redrawQueue.Clear();
    DestroyControls();
    clientClip.reset();
    picture.Release();
    borrowedPicture = nullptr;
    if (tooltipWindow) {
        SendMessageA(tooltipWindow, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tooltipInfo));
        DestroyWindow(tooltipWindow);
        tooltipWindow = nullptr;
    }
    if (capturing || trackingLeave) {
        capturing = 0;
        trackingLeave = 0;
        ReleaseCapture();
    }
    captured = focus = hover = focusCue = firstControl = lastControl = 0;
    captionFlags = 0;
    back.Release();
    background.Release();
    fade.Release();
    if (windowDc) ReleaseDC(w, windowDc);
    windowDc = nullptr;
    accessKeys.clear();
    for (auto& button : captionButtons) button->Destroy();
    captionButtons.clear();
    if (titleLabel) titleLabel->Destroy();
    titleLabel.reset();
    RemovePropA(w, kHostProperty);
    // The stub may still be on the stack of this very message: free it once
    // the outermost message has returned.
    if (!stubInstalled) {
        // Kept until the host object goes; it passes messages on to previousProc.
    } else if (depth_ > 0) {
        detachPending_ = true;
    } else {
        stub.Free();
    }
    busy = 0;
}

}  // namespace canvas
