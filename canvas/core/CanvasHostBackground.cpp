// The window background, frame and caption.
#include "canvas/core/CanvasHost.h"
#include "canvas/core/Composition.h"

namespace canvas {

void CanvasHost::PaintBackground(const BackgroundOptions& o) {
    if (o.loadPicture) {
        picture.Release();
        if (!o.picture.empty()) picture = LoadPicture(o.picture);
    }
    if (o.themeColour) themeColour = *o.themeColour;
    GpGraphics* g = back.graphics();
    if (!g || !background.dc()) return;
    GdiFlush();
    BitBlt(back.dc(), 0, 0, size.cx, size.cy, background.dc(), 0, 0, SRCCOPY);
    DrawControlsAll(firstControl, g, true);
    GdipFlush(g, Gdiplus::FlushIntentionSync);
    if (o.present) Present();
}

void CanvasHost::LayoutCaption() {}

void CanvasHost::CreateCaption() {}

void CanvasHost::SetTitleText(const AnsiText&) {}

}  // namespace canvas
