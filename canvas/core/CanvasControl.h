#pragma once
// The base of every control: a windowless object in its host window's tree
// that paints itself into its own bitmap and receives the messages and
// notifications the host routes to it.

#include "canvas/core/HandleTable.h"
#include "canvas/core/Notifications.h"
#include "canvas/core/RectF.h"
#include "canvas/services/GdiPlus.h"
#include "canvas/services/Text.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace canvas {

class CanvasHost;

// What a routine bound with BindEvent receives. parent is the control's parent
// control, 0 for a control that sits directly on the host window.
struct ControlEvent {
    Handle parent;
    Handle control;
    UINT code;
    WPARAM wparam;
    LPARAM lparam;
    // The first argument: the parent when there is one, else the control.
    Handle first() const { return parent ? parent : control; }
};
using EventRoutine = std::function<void(const ControlEvent&)>;

// Where a control is created: on a host window or inside a live control.
struct ControlParent {
    ControlParent(HWND w) : window(w) {}
    ControlParent(Handle c) : control(c) {}
    HWND window = nullptr;
    Handle control = 0;
};

// Kind codes of the toolkit's classes.
namespace kind {
inline constexpr int kCaptionButton = 1;
inline constexpr int kButton = 2;
inline constexpr int kLabel = 3;
inline constexpr int kPictureBox = 4;
inline constexpr int kLinkLabel = 5;
inline constexpr int kTabButton = 7;
inline constexpr int kEditBox = 9;
inline constexpr int kProgressBar = 12;
inline constexpr int kPage = 16;
inline constexpr int kScrollBar = 19;
inline constexpr int kMenuItem = 20;
}  // namespace kind

class CanvasControl : public HandleObject {
public:
    static constexpr int kFullAlpha = 255;
    static constexpr int kFadeStep = 51;

    CanvasControl() = default;
    ~CanvasControl() override;
    // A control's handle, links and bitmap belong to one object.
    CanvasControl(const CanvasControl&) = delete;
    CanvasControl& operator=(const CanvasControl&) = delete;

    // The class's message handler; -1 = not handled. The base handles the
    // fade timer, as every class does.
    virtual int HandleMessage(canvas::Handle handle, UINT code, WPARAM wparam, LPARAM lparam);

    canvas::Handle Create(ControlParent parent, const RectF& bounds, int kind, int visible,
                          std::optional<int> focusable = {}, std::optional<int> systemCursorId = {},
                          int fadePeriod = 0);
    canvas::Handle Handle() const { return handle; }
    HWND HostWindow() const { return hostWindow; }
    canvas::Handle Parent() const { return parent; }
    // 0 or the host window moves the control to the top level.
    void SetParent(canvas::Handle newParent);
    void Destroy();
    RectF Bounds(std::optional<RectF> rect = {});
    int Visible(std::optional<int> value = {});
    int Disabled(std::optional<int> value = {});
    int Focusable(std::optional<int> value = {});
    bool IsFocused();
    void RequestRepaint();
    void Invalidate();
    void Move(std::optional<float> x = {}, std::optional<float> y = {}, std::optional<float> width = {},
              std::optional<float> height = {}, bool redraw = true);
    AnsiText TooltipText(std::optional<AnsiText> text = {}, bool showNow = false);
    void ShowTooltip(const AnsiText& text);
    void BindEvent(UINT code, EventRoutine routine);
    CanvasControl* Self() { return this; }
    int Opacity(std::optional<int> value = {}, bool redraw = true);
    int FadeLevel(std::optional<int> value = {});
    int FadePeriod(std::optional<int> value = {});
    int RaiseEvent(UINT code, WPARAM wparam = 0, LPARAM lparam = 0);
    HCURSOR Cursor(std::optional<HCURSOR> cursor = {});
    HCURSOR CursorById(int systemCursorId);
    AnsiText Tag(std::optional<AnsiText> text = {});
    int Left(std::optional<int> v = {});
    int Top(std::optional<int> v = {});
    int Width(std::optional<int> v = {});
    int Height(std::optional<int> v = {});
    // 2 = to the front of the list (drawn first); anything else = to the end.
    void ZOrder(std::optional<int> position = {}, bool redraw = true);
    void Unlink();

    // The host this control belongs to, when it is still attached.
    CanvasHost* HostObject() const;
    // Forgets everything, handle included: the object is inert until created
    // again. Destroy does not do this for the control it is called on.
    void ClearRecord();
    GpBitmap* bitmapHandle() const { return reinterpret_cast<GpBitmap*>(bitmap.get()); }

    // ---- the record ----
    HWND hostWindow = nullptr;
    canvas::Handle handle = 0;
    canvas::Handle parent = 0;
    int visible = 0;
    int disabled = 0;
    int focusable = 1;
    HCURSOR cursor = nullptr;
    std::vector<std::pair<UINT, EventRoutine>> eventBindings;
    RectF bounds;
    AnsiText tooltipText;
    AnsiText tag;
    int kind = 0;
    canvas::Handle firstChild = 0, lastChild = 0;
    canvas::Handle prevSibling = 0, nextSibling = 0;
    int fadeLevel = kFullAlpha;
    GdipImagePtr bitmap;
    GdipGraphicsPtr graphics;
    canvas::Handle host = 0;
    int opacity = kFullAlpha;
    GdipImagePtr fadeSnapshot;
    int fadePeriod = 0;
    std::intptr_t userData = 0;
    RectF previousBounds;

private:
    void MakeBitmap();
    void ShiftDescendants(float dx, float dy);
    void AppendTo(canvas::Handle& first, canvas::Handle& last);
};

// The live control behind a handle, or null for 0, stale or unknown handles.
inline CanvasControl* ControlFromHandle(Handle handle) { return HandleTable::Get<CanvasControl>(handle); }

}  // namespace canvas
