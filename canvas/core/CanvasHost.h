#pragma once
// Turns a native top-level window into a toolkit surface: subclasses it
// through a window-procedure stub, owns its surfaces, tooltip, caption and
// top-level controls, and routes its messages to the controls.
//
// The implementation is split by concern: CanvasHost.cpp (attachment and
// dispatch), CanvasHostPaint.cpp (composition), CanvasHostInput.cpp (mouse,
// keyboard, focus), CanvasHostEffects.cpp (layered window, animations),
// CanvasHostBackground.cpp (background, frame, caption layout).

#include "canvas/core/CanvasControl.h"
#include "canvas/core/Compositor.h"
#include "canvas/core/HandleTable.h"
#include "canvas/core/RectF.h"
#include "canvas/core/RedrawQueue.h"
#include "canvas/core/Surface.h"
#include "canvas/core/WindowProcStub.h"
#include "canvas/services/GdiPlus.h"
#include "canvas/services/Picture.h"
#include "canvas/services/Text.h"

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace canvas {

// Caption elements of a host window.
namespace caption {
inline constexpr int kIcon = 1;
inline constexpr int kTitle = 2;
inline constexpr int kClose = 4;
inline constexpr int kMaximize = 8;
inline constexpr int kMinimize = 16;
inline constexpr int kExtra1 = 32, kExtra2 = 64, kExtra3 = 128, kExtra4 = 256;
inline constexpr int kDefaultSet = 1024;
}  // namespace caption

using HostMessageRoutine = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;  // -1: go on
using HostControlRoutine = std::function<void(HWND, Handle control, WPARAM, LPARAM, int kind)>;
using HostSizeRoutine = std::function<void(HWND, int width, int height)>;
using HostPaintRoutine = std::function<void(HWND, GpGraphics*, int width, int height)>;

struct AttachOptions {
    std::span<const std::uint8_t> picture;  // picture bytes; empty for none
    std::optional<int> themeColour;         // 0x00BBGGRR; -1 = the picture's average colour
    std::optional<int> captionFlags;
    std::optional<int> windowAlpha;         // -1 = ordinary window
    std::optional<int> pictureMode;         // 0 top-left, 1 stretched, 2 centred
    std::optional<int> frameStyle;          // 0 square, 1 picture frame, else rounded
    std::optional<int> animateControls;
    std::optional<int> resizable;           // default: the window has WS_THICKFRAME
    std::optional<int> dragAnywhere;
    std::optional<int> reserved;
    std::optional<int> blur;
    RECT pictureCentre{};                   // nine-grid centre; empty = none
    HWND skinSource = nullptr;
};

class CanvasHost : public HandleObject {
public:
    static constexpr int kDefaultFrameStyle = 7;

    CanvasHost();
    ~CanvasHost() override;
    CanvasHost(const CanvasHost&) = delete;
    CanvasHost& operator=(const CanvasHost&) = delete;

    // ---- attachment and dispatch ----
    bool Attach(HWND window, const AttachOptions& options = {});
    LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam);
    void Resized(HWND window, WPARAM sizeType, LPARAM lparam);
    void Timer(UINT_PTR id, LPARAM lparam);
    void Detach(HWND window);

    int DragAnywhere(std::optional<int> value = {});
    int FrameStyle(std::optional<int> value = {});
    void ShadowColour(int colour) { shadowColour = colour; }
    void CloseEffect(int effect) { closeEffect = effect; }
    HCURSOR DefaultCursor(HCURSOR cursor);
    HCURSOR DefaultCursorById(int systemCursorId);

    HostPaintRoutine OnPaintBackground(HostPaintRoutine r) { return onPaintBackground = std::move(r); }
    HostMessageRoutine OnMessage(HostMessageRoutine r) { return onMessage = std::move(r); }
    HostSizeRoutine OnSize(HostSizeRoutine r) { return onSize = std::move(r); }
    HostControlRoutine OnMouseDown(HostControlRoutine r) { return onMouseDown = std::move(r); }
    HostControlRoutine OnMouseUp(HostControlRoutine r) { return onMouseUp = std::move(r); }
    HostControlRoutine OnClick(HostControlRoutine r) { return onClick = std::move(r); }
    HostControlRoutine OnDoubleClick(HostControlRoutine r) { return onDoubleClick = std::move(r); }
    HostControlRoutine OnRightDown(HostControlRoutine r) { return onRightDown = std::move(r); }
    HostControlRoutine OnRightUp(HostControlRoutine r) { return onRightUp = std::move(r); }
    HostControlRoutine OnMouseLeave(HostControlRoutine r) { return onMouseLeave = std::move(r); }
    HostControlRoutine OnMouseEnter(HostControlRoutine r) { return onMouseEnter = std::move(r); }
    HostControlRoutine OnFocus(HostControlRoutine r) { return onFocus = std::move(r); }
    HostControlRoutine OnBlur(HostControlRoutine r) { return onBlur = std::move(r); }

    // ---- painting and composition (CanvasHostPaint.cpp) ----
    void QueueRedraw(const RectF& rect, int kind);
    void Compose(const RectF& rect, bool present);
    void Present(std::optional<RectF> rect = {});
    void PresentRect(const RectF& rect);
    // (Re)makes the back buffer and the background layer at the window's size.
    void CreateSurfaces();

    // ---- input (CanvasHostInput.cpp; add input-only members in this section) ----
    void MouseMessage(UINT message, WPARAM wparam, LPARAM lparam);
    bool ResizeBorder(UINT message, LPARAM lparam);
    void KeyDown(UINT message, WPARAM key, LPARAM lparam);
    void SysKeyDown(WPARAM key, LPARAM lparam);
    int SetAccessKey(Handle control, int key);
    void SetFocus(Handle control, bool cue);
    // Points the host's one tool at a control; a null text takes the
    // control's own tooltipText, an empty one only removes the tool.
    void SetTooltip(Handle control, const AnsiText* text);
    AnsiText tooltipShown;  // the tool's text: tooltipInfo.lpszText points into it

    // ---- effects (CanvasHostEffects.cpp; add effect-only members in this section) ----
    static constexpr int kDefaultShowDuration = 200;  // ms
    void PushLayered();
    // Shows the window; effects other than 0 animate it over about duration
    // ms: 1 fade in, 3 from the left, 4 from the right, 5 from the top, 7 grow
    // from the centre, any other from the bottom.
    void Show(int effect = 0, int duration = kDefaultShowDuration);
    // Plays closeEffect on a visible window (WM_CLOSE, before hiding it).
    void PlayCloseEffect();
    // Called after each frame of a show or close animation went to the window.
    std::function<void(const Surface& frame)> onAnimationFrame;
    // Where blur behind the window comes from.
    Compositor* compositor = &Compositor::System();
    int animating = 0;  // 1 while a show or close animation runs

    // ---- background, frame and caption (CanvasHostBackground.cpp; add
    // background-only members in this section) ----
    static constexpr int kPresentNow = 0;
    static constexpr int kFadeIn = 1;
    static constexpr int kNoPresent = -1;
    struct BackgroundOptions {
        std::span<const std::uint8_t> picture;
        bool loadPicture = false;
        std::optional<int> themeColour;  // absent or -1: keep it / the picture's average
        int presentMode = kPresentNow;   // kPresentNow, kFadeIn, anything else: none
    };
    void PaintBackground(const BackgroundOptions& options);
    // One step of the background fade (the host's own timer).
    void FadeTick();
    // Ends a running background fade at once, without presenting.
    void StopBackgroundFade();
    int fading = 0;  // 1 while the background fade runs
    void LayoutCaption();
    void CreateCaption();
    void SetTitleText(const AnsiText& text);

    // ---- the record ----
    HWND window = nullptr;
    Handle handle = 0;
    WNDPROC previousProc = nullptr;
    WindowProcStub stub;
    Handle focus = 0, hover = 0, captured = 0;
    int capturing = 0;
    int busy = 0;
    HDC windowDc = nullptr;
    Surface back;        // backDc, backDib, backGraphics
    Surface background;  // backgroundDc, backgroundDib
    HWND skinSource = nullptr;
    Picture picture;             // the background picture triple (own)
    GpImage* borrowedPicture = nullptr;  // lent by skinSource's host
    int themeColour = 0;
    Handle firstControl = 0, lastControl = 0;
    int captionFlags = 0;
    HWND tooltipWindow = nullptr;
    int frameStyle = kDefaultFrameStyle;
    int windowAlpha = -1;
    int pictureMode = 0;
    int shadowColour = -1;
    int resizable = 0;
    int dragAnywhere = 1;
    int reserved = 1;
    int closeEffect = 0;
    SIZE size{};
    GdipRegionPtr clientClip;
    Handle focusCue = 0;
    int blur = 0;
    int animateControls = 1;
    HCURSOR defaultCursor = nullptr;
    RECT pictureCentre{};
    Surface fade;  // fadeDc, fadeDib
    int fadeAlpha = 0;
    int trackingLeave = 0;
    std::vector<std::pair<Handle, int>> accessKeys;
    std::vector<std::unique_ptr<CanvasControl>> captionButtons;
    RedrawQueue redrawQueue;
    TTTOOLINFOA tooltipInfo{};
    std::unique_ptr<CanvasControl> titleLabel;

    HostPaintRoutine onPaintBackground;
    HostMessageRoutine onMessage;
    HostControlRoutine onMouseDown, onMouseUp, onClick, onDoubleClick, onRightDown, onRightUp;
    HostControlRoutine onMouseEnter, onMouseLeave, onFocus, onBlur;
    HostSizeRoutine onSize;

    // The picture the background draws: own or borrowed.
    GpImage* pictureImage() const { return borrowedPicture ? borrowedPicture : picture.image(); }

private:
    static LRESULT CALLBACK StubTarget(CanvasHost* host, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT CallPrevious(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HostMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled);
    void MinMaxInfo(MINMAXINFO* info) const;
    void CreateTooltip();
    void DestroyControls();

    int depth_ = 0;               // nesting of WindowProc calls
    bool detachPending_ = false;  // free the stub once the outermost message returns
};

// The host attached to a window, or null.
CanvasHost* HostOfWindow(HWND window);
inline CanvasHost* HostFromHandle(Handle handle) { return HandleTable::Get<CanvasHost>(handle); }

}  // namespace canvas
