#pragma once
// A button of a host window's own caption: close, maximise/restore,
// minimise or one of four further buttons. It shows its image for the state
// (normal, hot, pressed) cut from the toolkit's picture strip, cross-fades
// between them and, clicked, posts the matching command to the window.

#include "canvas/core/CanvasControl.h"

#include <optional>

namespace canvas {

// The caption flag a button stands for.
namespace captionButton {
inline constexpr int kClose = 4;
inline constexpr int kMaximize = 8;
inline constexpr int kMinimize = 16;
inline constexpr int kExtra1 = 32, kExtra2 = 64, kExtra3 = 128, kExtra4 = 256;
}  // namespace captionButton

namespace captionState {
inline constexpr int kNormal = 0;
inline constexpr int kHot = 1;
inline constexpr int kPressed = 2;
}  // namespace captionState

class CaptionButton : public CanvasControl {
public:
    static constexpr int kCloseWidth = 39;
    static constexpr int kButtonWidth = 28;
    static constexpr int kHeight = 19;
    static constexpr int kFadePeriodMs = 60;

    int HandleMessage(canvas::Handle handle, UINT code, WPARAM wparam, LPARAM lparam) override;
    // Paints the image for state unless it is already shown (force repaints
    // anyway); the new look fades in from startLevel, 0 when absent.
    virtual void Paint(int state, bool force, std::optional<int> startLevel = {});
    virtual canvas::Handle Create(HWND window, int x, int y, int width, int height, int buttonKind,
                                  int visible = 1);
    virtual int Kind() const { return buttonKind; }

    // The strip's part showing a button kind in a state; empty for states
    // that draw nothing and for unknown kinds.
    static std::optional<RectF> SourceRect(int buttonKind, int state, bool maximized);

    // ---- the record ----
    int buttonKind = 0;
    int paintedState = captionState::kNormal;

private:
    void Clicked();
};

}  // namespace canvas
