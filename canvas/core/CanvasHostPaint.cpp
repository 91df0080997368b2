// Composition: the back buffer is the background layer with the control
// bitmaps drawn over it; changed rectangles are recomposed and presented.
#include "canvas/core/CanvasHost.h"
#include "canvas/core/Composition.h"

namespace canvas {
namespace {
int Trunc(float v) { return static_cast<int>(v); }
}  // namespace

void CanvasHost::CreateSurfaces() {
    back.CreateWithGraphics(size.cx, size.cy);
    background.Create(windowDc, size.cx, size.cy);
}

void CanvasHost::QueueRedraw(const RectF& rect, int kind) { redrawQueue.Add(rect, kind); }

void CanvasHost::Compose(const RectF& rect, bool present) {
    if (busy) return;
    GpGraphics* g = back.graphics();
    if (!g || !background.dc()) return;
    if (clientClip) GdipSetClipRegion(g, clientClip.get(), Gdiplus::CombineModeReplace);
    GdipSetClipRect(g, rect.x, rect.y, rect.width, rect.height, Gdiplus::CombineModeIntersect);
    GdiFlush();
    BitBlt(back.dc(), Trunc(rect.x), Trunc(rect.y), Trunc(rect.width), Trunc(rect.height), background.dc(),
           Trunc(rect.x), Trunc(rect.y), SRCCOPY);
    DrawControls(firstControl, rect, g);
    GdipResetClip(g);
    GdipFlush(g, Gdiplus::FlushIntentionSync);
    if (present) PresentRect(rect);
}

void CanvasHost::Present(std::optional<RectF> rect) {
    PresentRect(rect.value_or(RectF{0, 0, static_cast<float>(size.cx), static_cast<float>(size.cy)}));
}

void CanvasHost::PresentRect(const RectF& rect) {
    if (busy || !back.dc()) return;
    if (windowAlpha == -1) {
        if (windowDc)
            BitBlt(windowDc, Trunc(rect.x), Trunc(rect.y), Trunc(rect.width), Trunc(rect.height), back.dc(),
                   Trunc(rect.x), Trunc(rect.y), SRCCOPY);
        return;
    }
    PushLayered();
}

void CanvasHost::PushLayered() {
    if (!back.dc() || !window) return;
    SIZE windowSize{size.cx, size.cy};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, nullptr, nullptr, &windowSize, back.dc(), &source, 0, &blend, ULW_ALPHA);
}

}  // namespace canvas
