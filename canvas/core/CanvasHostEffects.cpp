// Window effects: region, blur, show and close animations.
#include "canvas/core/CanvasHost.h"

namespace canvas {

void CanvasHost::SetWindowRegion() {}

void CanvasHost::Show(int) {
    if (window) ShowWindow(window, SW_SHOWNORMAL);
}

void CanvasHost::PlayCloseEffect() {}

}  // namespace canvas
