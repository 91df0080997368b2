#include "canvas/core/WindowEffects.h"

#include "canvas/services/Gdi.h"

namespace canvas {
namespace {

constexpr int kBlurOsMajor = 6;  // blur behind windows exists on this major version only
constexpr int kPictureFrame = 1;

int StyleIndex(bool extended) { return extended ? GWL_EXSTYLE : GWL_STYLE; }

}  // namespace

void AddStyle(HWND window, LONG bits, bool extended) {
    const LONG style = GetWindowLongA(window, StyleIndex(extended));
    if ((style & bits) == 0) SetWindowLongA(window, StyleIndex(extended), style | bits);
}

void RemoveStyle(HWND window, LONG bits, bool extended) {
    const LONG style = GetWindowLongA(window, StyleIndex(extended));
    if ((style & bits) != 0) SetWindowLongA(window, StyleIndex(extended), style & ~bits);
}

bool HasStyle(HWND window, LONG bits, bool extended) {
    return (GetWindowLongA(window, StyleIndex(extended)) & bits) != 0;
}

void PushLayered(HWND window, HDC dc, SIZE size) {
    if (!window || !dc) return;
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, nullptr, nullptr, &size, dc, &source, 0, &blend, ULW_ALPHA);
}

bool SetBlur(HWND window, const RECT& area, int ellipse, int frameStyle, Compositor& compositor, int osMajor) {
    if (osMajor != kBlurOsMajor || frameStyle == kPictureFrame) return false;
    if (!compositor.CompositionEnabled()) return false;
    compositor.BlurBehind(window, area, ellipse);
    return true;
}

void SetWindowRegion(HWND window, int width, int height, int inset, int ellipse, int rounded) {
    if (!window) return;
    if (rounded == 0) ellipse = 0;
    if (IsZoomed(window)) --inset;
    UniqueRegion region(CreateRoundRectRgn(inset, inset, width - inset + 1, height - inset + 1, ellipse, ellipse));
    if (!region) return;
    // Setting the same region again would only make the window repaint.
    const UniqueRegion current(CreateRectRgn(0, 0, 0, 0));
    if (current && GetWindowRgn(window, current.get()) != ERROR && EqualRgn(current.get(), region.get())) return;
    if (SetWindowRgn(window, region.get(), TRUE)) region.release();  // now the system's
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace canvas
