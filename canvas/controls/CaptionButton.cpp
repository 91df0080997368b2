#include "canvas/controls/CaptionButton.h"

#include "canvas/controls/ControlPaint.h"
#include "canvas/services/Picture.h"
#include "canvas/services/Toolkit.h"

#include <array>

namespace canvas {
namespace {

// Where each kind's three images start in the strip: normal, hot, pressed.
struct StripColumns {
    int buttonKind;
    std::array<int, 3> x;
};
constexpr std::array<StripColumns, 7> kStrip{{
    {captionButton::kClose, {0, 40, 80}},
    {captionButton::kMaximize, {120, 149, 178}},
    {captionButton::kMinimize, {294, 323, 352}},
    {captionButton::kExtra1, {381, 410, 439}},
    {captionButton::kExtra2, {468, 497, 526}},
    {captionButton::kExtra3, {555, 584, 613}},
    {captionButton::kExtra4, {642, 671, 700}},
}};
// A maximised window's maximise button shows the restore image.
constexpr std::array<int, 3> kRestoreColumns{207, 236, 265};
constexpr float kStripTop = 2;
constexpr float kStripHeight = 19;

// States 3 and -1 show the normal image too.
constexpr int kFocusedState = 3;
constexpr int kNoState = -1;

constexpr int kEnterFadeStart = 102;
constexpr int kPressFadeStart = 153;
constexpr int kReleaseFadeStart = 153;
constexpr int kNoStartLevel = 0;

}  // namespace

std::optional<RectF> CaptionButton::SourceRect(int kindOfButton, int state, bool maximized) {
    if (state == kFocusedState || state == kNoState) state = captionState::kNormal;
    if (state < captionState::kNormal || state > captionState::kPressed) return std::nullopt;
    for (const StripColumns& columns : kStrip) {
        if (columns.buttonKind != kindOfButton) continue;
        const bool restore = kindOfButton == captionButton::kMaximize && maximized;
        const int x = (restore ? kRestoreColumns : columns.x)[static_cast<std::size_t>(state)];
        const int width = kindOfButton == captionButton::kClose ? kCloseWidth : kButtonWidth;
        return RectF{static_cast<float>(x), kStripTop, static_cast<float>(width), kStripHeight};
    }
    return std::nullopt;
}

canvas::Handle CaptionButton::Create(HWND window, int x, int y, int width, int height, int kindOfButton,
                                     int visibleFlag) {
    if (handle && HandleTable::Find(handle) == this) return handle;  // created already
    buttonKind = kindOfButton;
    const RectF rect{static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                     static_cast<float>(height)};
    return CanvasControl::Create(window, rect, kind::kCaptionButton, visibleFlag, 0, {}, kFadePeriodMs);
}

void CaptionButton::Paint(int state, bool force, std::optional<int> startLevel) {
    if (state == paintedState && !force) return;
    FadeLevel(startLevel.value_or(kNoStartLevel));
    PaintContext ctx;
    if (BeginControlPaint(*this, ctx)) {
        const std::optional<RectF> source = SourceRect(buttonKind, state, IsZoomed(hostWindow) != FALSE);
        if (source && ctx.graphics) DrawPicture(ctx.graphics, skinPicture.image(), ctx.rect, *source, true);
        EndControlPaint(*this, ctx);
    }
    paintedState = state;
}

void CaptionButton::Clicked() {
    if (disabled || !hostWindow) return;
    switch (buttonKind) {
        case captionButton::kClose:
            PostMessageA(hostWindow, WM_CLOSE, 0, 0);
            break;
        case captionButton::kMaximize:
            PostMessageA(hostWindow, WM_SYSCOMMAND, IsZoomed(hostWindow) ? SC_RESTORE : SC_MAXIMIZE, 0);
            break;
        case captionButton::kMinimize:
            if (!IsIconic(hostWindow)) PostMessageA(hostWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            break;
        default:
            break;  // the application tells the further buttons apart by Kind()
    }
}

int CaptionButton::HandleMessage(canvas::Handle, UINT code, WPARAM, LPARAM) {
    switch (code) {
        case WM_DESTROY:
            buttonKind = 0;
            paintedState = captionState::kNormal;
            break;
        case WM_PAINT:
            Paint(captionState::kNormal, true);
            break;
        case notify::kMoved:
            // The image follows the window's maximised state after a resize.
            if (buttonKind == captionButton::kMaximize) Paint(captionState::kNormal, true);
            break;
        case notify::kMouseEnter:
            Paint(captionState::kHot, false, kEnterFadeStart);
            break;
        case notify::kMouseLeave:
            Paint(captionState::kNormal, false);
            break;
        case WM_LBUTTONDOWN:
            Paint(captionState::kPressed, false, kPressFadeStart);
            break;
        case WM_LBUTTONUP:
            Paint(captionState::kHot, false, kReleaseFadeStart);
            break;
        case WM_TIMER:
            FadeLevel(FadeLevel() + kFadeStep);
            Invalidate();
            break;
        case notify::kPressQuery:
            return 0;  // takes the mouse although it is not focusable
        case notify::kClick:
            Clicked();
            break;
        default:
            break;
    }
    return -1;
}

}  // namespace canvas
