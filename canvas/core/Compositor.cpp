#include "canvas/core/Compositor.h"

#include "canvas/services/Gdi.h"

#include <dwmapi.h>

namespace canvas {

bool Compositor::CompositionEnabled() {
    BOOL enabled = FALSE;
    return SUCCEEDED(DwmIsCompositionEnabled(&enabled)) && enabled;
}

void Compositor::BlurBehind(HWND window, const RECT& area, int ellipse) {
    const UniqueRegion region(CreateRoundRectRgn(area.left, area.top, area.right, area.bottom, ellipse, ellipse));
    DWM_BLURBEHIND blur{};
    blur.dwFlags = DWM_BB_ENABLE | DWM_BB_BLURREGION;
    blur.fEnable = TRUE;
    blur.hRgnBlur = region.get();
    DwmEnableBlurBehindWindow(window, &blur);
}

Compositor& Compositor::System() {
    static Compositor compositor;
    return compositor;
}

}  // namespace canvas
