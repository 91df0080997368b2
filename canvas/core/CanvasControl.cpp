#include "canvas/core/CanvasControl.h"

#include "canvas/core/CanvasHost.h"

#include <cmath>

namespace canvas {
namespace {

constexpr float kSizeTolerance = 0.0000001f;
constexpr double kDimFactor = 0.5;

// The list a control with the given parent lives in.
struct ListEnds {
    Handle* first;
    Handle* last;
};

int Trunc(float v) { return static_cast<int>(v); }

}  // namespace

CanvasControl::~CanvasControl() {
    if (handle != 0) {
        Destroy();
        Unlink();
        ClearRecord();
    }
}

CanvasHost* CanvasControl::HostObject() const { return HostFromHandle(host); }

int CanvasControl::HandleMessage(canvas::Handle, UINT code, WPARAM, LPARAM) {
    if (code == WM_TIMER) {
        FadeLevel(FadeLevel() + kFadeStep);
        Invalidate();
        return 0;
    }
    return -1;
}

void CanvasControl::AppendTo(canvas::Handle& first, canvas::Handle& last) {
    prevSibling = 0;
    nextSibling = 0;
    if (CanvasControl* oldLast = ControlFromHandle(last)) {
        oldLast->nextSibling = handle;
        prevSibling = last;
        last = handle;
    } else {
        first = handle;
        last = handle;
    }
}

canvas::Handle CanvasControl::Create(ControlParent parentRef, const RectF& rect, int kindCode, int visibleFlag,
                                     std::optional<int> focusableFlag, std::optional<int> systemCursorId,
                                     int period) {
    if (handle != 0 && HandleTable::Find(handle) == this) return handle;
    if (handle != 0) Unlink();  // destroyed but still linked: leave that list first

    // Refuse a parent that is neither a window carrying a host nor a live
    // control whose host is still attached; nothing changes then.
    CanvasHost* hostObject = nullptr;
    CanvasControl* parentControl = nullptr;
    if (parentRef.window) {
        if (!IsWindow(parentRef.window)) return 0;
        hostObject = HostOfWindow(parentRef.window);
        if (!hostObject) return 0;
    } else {
        parentControl = ControlFromHandle(parentRef.control);
        if (!parentControl) return 0;
        hostObject = HostFromHandle(parentControl->host);
        if (!hostObject || HostOfWindow(parentControl->hostWindow) != hostObject) return 0;
    }

    handle = HandleTable::Add(this);
    hostWindow = parentControl ? parentControl->hostWindow : parentRef.window;
    bounds = rect;
    cursor = systemCursorId ? LoadCursorA(nullptr, MAKEINTRESOURCEA(*systemCursorId)) : nullptr;
    tooltipText.clear();
    parent = 0;
    fadeLevel = kFullAlpha;
    opacity = kFullAlpha;
    kind = kindCode;
    visible = visibleFlag;
    focusable = focusableFlag.value_or(1);
    disabled = 0;
    prevSibling = nextSibling = 0;
    host = hostObject->handle;

    if (parentControl) {
        SetParent(parentControl->handle);
    } else {
        AppendTo(hostObject->firstControl, hostObject->lastControl);
    }
    MakeBitmap();
    fadePeriod = period;
    RaiseEvent(WM_CREATE);
    if (visible) RaiseEvent(WM_PAINT);
    return handle;
}

void CanvasControl::MakeBitmap() {
    graphics.reset();
    bitmap.reset();
    const int w = Trunc(bounds.width), h = Trunc(bounds.height);
    if (w <= 0 || h <= 0) return;  // GDI+ refuses empty bitmaps
    GpBitmap* bmp = nullptr;
    GdipCreateBitmapFromScan0(w, h, 0, PixelFormat32bppARGB, nullptr, &bmp);
    if (!bmp) return;
    bitmap.reset(AsImage(bmp));
    GpGraphics* g = nullptr;
    GdipGetImageGraphicsContext(bitmap.get(), &g);
    graphics.reset(g);
    if (g) {
        GdipSetSmoothingMode(g, Gdiplus::SmoothingModeAntiAlias);
        GdipSetTextRenderingHint(g, Gdiplus::TextRenderingHintAntiAliasGridFit);
    }
}

void CanvasControl::SetParent(canvas::Handle newParent) {
    if (newParent == parent) return;
    CanvasHost* hostObject = HostObject();
    CanvasControl* target = ControlFromHandle(newParent);
    if (newParent != 0 && (!target || target == this)) return;  // not a live control
    Unlink();
    if (!target) {
        if (hostObject) AppendTo(hostObject->firstControl, hostObject->lastControl);
        parent = 0;
    } else {
        AppendTo(target->firstChild, target->lastChild);
        parent = newParent;
    }
    Invalidate();
}

void CanvasControl::Unlink() {
    CanvasHost* hostObject = HostObject();
    ListEnds ends{nullptr, nullptr};
    if (CanvasControl* p = ControlFromHandle(parent)) {
        ends = {&p->firstChild, &p->lastChild};
    } else if (hostObject) {
        // A top-level control: only unlink it when it really is in the list.
        // Compared by handle: a destroyed control is no longer in the table.
        bool member = false;
        for (canvas::Handle at = hostObject->firstControl; at && handle;) {
            if (at == handle) {
                member = true;
                break;
            }
            const CanvasControl* c = ControlFromHandle(at);
            at = c ? c->nextSibling : 0;
        }
        if (member) ends = {&hostObject->firstControl, &hostObject->lastControl};
    }
    if (ends.first) {
        if (*ends.first == handle) *ends.first = nextSibling;
        if (*ends.last == handle) *ends.last = prevSibling;
        if (CanvasControl* prev = ControlFromHandle(prevSibling)) prev->nextSibling = nextSibling;
        if (CanvasControl* next = ControlFromHandle(nextSibling)) next->prevSibling = prevSibling;
    }
    prevSibling = 0;
    nextSibling = 0;
}

void CanvasControl::ZOrder(std::optional<int> position, bool redraw) {
    if (!handle) return;
    Unlink();
    canvas::Handle* first = nullptr;
    canvas::Handle* last = nullptr;
    if (CanvasControl* p = ControlFromHandle(parent)) {
        first = &p->firstChild;
        last = &p->lastChild;
    } else if (CanvasHost* h = HostObject()) {
        first = &h->firstControl;
        last = &h->lastControl;
    } else {
        return;
    }
    if (position.value_or(0) == 2) {
        if (CanvasControl* oldFirst = ControlFromHandle(*first)) {
            oldFirst->prevSibling = handle;
            nextSibling = *first;
            *first = handle;
        } else {
            *first = *last = handle;
        }
    } else {
        AppendTo(*first, *last);
    }
    if (redraw) Invalidate();
}

void CanvasControl::ClearRecord() {
    if (handle && HandleTable::Find(handle) == this) HandleTable::Remove(handle);
    hostWindow = nullptr;
    handle = parent = 0;
    visible = disabled = 0;
    focusable = 1;
    cursor = nullptr;
    eventBindings.clear();
    bounds = previousBounds = {};
    tooltipText.clear();
    tag.clear();
    kind = 0;
    firstChild = lastChild = prevSibling = nextSibling = 0;
    fadeLevel = opacity = kFullAlpha;
    fadeSnapshot.reset();
    graphics.reset();
    bitmap.reset();
    host = 0;
    fadePeriod = 0;
    userData = 0;
}

void CanvasControl::Destroy() {
    if (!handle || HandleTable::Find(handle) != this) return;
    // Children first, depth first; each leaves no tree behind.
    for (CanvasControl* child = ControlFromHandle(firstChild); child;) {
        CanvasControl* next = ControlFromHandle(child->nextSibling);
        child->Destroy();
        child->ClearRecord();
        child = next;
    }
    firstChild = lastChild = 0;
    if (hostWindow) KillTimer(hostWindow, handle);
    if (CanvasHost* h = HostObject()) {
        // No later message may reach a destroyed control through the host.
        if (h->focus == handle) h->focus = 0;
        if (h->focusCue == handle) h->focusCue = 0;
        if (h->hover == handle) h->hover = 0;
        if (h->captured == handle) {
            h->captured = 0;
            if (h->capturing) {
                h->capturing = 0;
                ReleaseCapture();
            }
        }
        std::erase_if(h->accessKeys, [this](const auto& entry) { return entry.first == handle; });
    }
    RaiseEvent(WM_DESTROY);
    // From here on no message reaches it through its handle.
    HandleTable::Remove(handle);
    bitmap.reset();
    fadeSnapshot.reset();
    graphics.reset();
    eventBindings.clear();
    bounds = {};
    tooltipText.clear();
    tag.clear();
}

RectF CanvasControl::Bounds(std::optional<RectF> rect) {
    if (rect && handle)
        Move(static_cast<float>(Trunc(rect->x)), static_cast<float>(Trunc(rect->y)),
             static_cast<float>(Trunc(rect->width)), static_cast<float>(Trunc(rect->height)));
    return bounds;
}

int CanvasControl::Visible(std::optional<int> value) {
    if (value && handle && *value != visible) {
        visible = *value;
        RaiseEvent(visible ? notify::kShown : notify::kHidden);
        Invalidate();
    }
    return visible;
}

int CanvasControl::Disabled(std::optional<int> value) {
    if (!value || !handle) return disabled;
    if (*value == disabled) {
        disabled = *value;
        return disabled;
    }
    if (IsFocused()) {
        if (CanvasHost* h = HostObject()) h->focus = 0;
        RaiseEvent(notify::kLostFocus);
    }
    RaiseEvent(notify::kMouseLeave);
    if (RaiseEvent(notify::kDisabledChanged, 0, *value) == -1) {
        opacity = *value ? static_cast<int>(opacity * kDimFactor) : static_cast<int>(opacity / kDimFactor);
    }
    disabled = *value;
    Invalidate();
    return disabled;
}

int CanvasControl::Focusable(std::optional<int> value) {
    if (value && handle) focusable = *value;
    return focusable;
}

bool CanvasControl::IsFocused() {
    if (!handle) return false;
    const int answer = RaiseEvent(notify::kFocusQuery);
    if (answer != -1) return answer == 1;
    CanvasHost* h = HostObject();
    return h && h->focus == handle;
}

void CanvasControl::RequestRepaint() {
    if (handle && hostWindow) PostMessageA(hostWindow, hostmsg::kRepaint, 0, static_cast<LPARAM>(handle));
}

void CanvasControl::Invalidate() {
    if (handle && hostWindow)
        PostMessageA(hostWindow, hostmsg::kQueueRedraw, hostmsg::kQueueControlBounds, static_cast<LPARAM>(handle));
}

void CanvasControl::Move(std::optional<float> x, std::optional<float> y, std::optional<float> width,
                         std::optional<float> height, bool redraw) {
    if (!handle) return;
    const RectF old = bounds;
    const RectF next{x.value_or(static_cast<float>(Trunc(old.x))), y.value_or(static_cast<float>(Trunc(old.y))),
                     width.value_or(static_cast<float>(Trunc(old.width))),
                     height.value_or(static_cast<float>(Trunc(old.height)))};
    previousBounds = old;
    bounds = next;
    ShiftDescendants(next.x - old.x, next.y - old.y);
    if (std::fabs(next.width - old.width) > kSizeTolerance || std::fabs(next.height - old.height) > kSizeTolerance) {
        MakeBitmap();
        RaiseEvent(notify::kSizeChanged, static_cast<WPARAM>(Trunc(next.width)), static_cast<LPARAM>(Trunc(next.height)));
        RaiseEvent(WM_PAINT);
    }
    if (hostWindow)
        SendMessageA(hostWindow, hostmsg::kMoved, handle, (visible == 1 && redraw) ? 1 : 0);
}

void CanvasControl::ShiftDescendants(float dx, float dy) {
    for (CanvasControl* c = ControlFromHandle(firstChild); c; c = ControlFromHandle(c->nextSibling)) {
        c->bounds.x += dx;
        c->bounds.y += dy;
        c->ShiftDescendants(dx, dy);
    }
}

AnsiText CanvasControl::TooltipText(std::optional<AnsiText> text, bool showNow) {
    if (text && handle) {
        tooltipText = *text;
        if (showNow) ShowTooltip(tooltipText);
    }
    return tooltipText;
}

void CanvasControl::ShowTooltip(const AnsiText& text) {
    if (CanvasHost* h = HostObject()) h->SetTooltip(handle, &text);
}

void CanvasControl::BindEvent(UINT code, EventRoutine routine) {
    for (auto& binding : eventBindings) {
        if (binding.first == code) {
            binding.second = std::move(routine);
            return;
        }
    }
    eventBindings.emplace_back(code, std::move(routine));
}

int CanvasControl::Opacity(std::optional<int> value, bool redraw) {
    if (value && handle) {
        opacity = *value;
        fadeLevel = *value;
        RaiseEvent(notify::kOpacityChanged, 0, *value);
        if (redraw) Invalidate();
    }
    return opacity;
}

int CanvasControl::FadeLevel(std::optional<int> value) {
    if (!value || !handle) return fadeLevel;
    int level = *value;
    CanvasHost* h = HostObject();
    if (h && !h->animateControls) level = opacity;
    fadeLevel = level;
    if (fadeLevel >= opacity) {
        fadeLevel = opacity;
        if (hostWindow) KillTimer(hostWindow, handle);
        fadeSnapshot.reset();
    }
    return fadeLevel;
}

int CanvasControl::FadePeriod(std::optional<int> value) {
    if (value && handle) fadePeriod = *value;
    return fadePeriod;
}

int CanvasControl::RaiseEvent(UINT code, WPARAM wparam, LPARAM lparam) {
    if (!handle || HandleTable::Find(handle) != this) return 0;
    const canvas::Handle self = handle;
    const int result = HandleMessage(self, code, wparam, lparam);
    // The handler may have destroyed the control.
    if (HandleTable::Find(self) != this) return result;
    for (const auto& binding : eventBindings) {
        if (binding.first == code) {
            // A copy: the routine may rebind or destroy the control.
            const EventRoutine routine = binding.second;
            if (routine) routine(ControlEvent{parent, self, code, wparam, lparam});
            break;
        }
    }
    return result;
}

HCURSOR CanvasControl::Cursor(std::optional<HCURSOR> value) {
    if (value && handle) cursor = *value;
    return cursor;
}

HCURSOR CanvasControl::CursorById(int systemCursorId) {
    if (handle) cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(systemCursorId));
    return cursor;
}

AnsiText CanvasControl::Tag(std::optional<AnsiText> text) {
    if (text && handle) tag = *text;
    return tag;
}

int CanvasControl::Left(std::optional<int> v) {
    if (v) Move(static_cast<float>(*v));
    return Trunc(bounds.x);
}
int CanvasControl::Top(std::optional<int> v) {
    if (v) Move({}, static_cast<float>(*v));
    return Trunc(bounds.y);
}
int CanvasControl::Width(std::optional<int> v) {
    if (v) Move({}, {}, static_cast<float>(*v));
    return Trunc(bounds.width);
}
int CanvasControl::Height(std::optional<int> v) {
    if (v) Move({}, {}, {}, static_cast<float>(*v));
    return Trunc(bounds.height);
}

}  // namespace canvas
