#pragma once
// The frame of every control paint: BeginControlPaint prepares the context,
// keeps the control's old look for a cross-fade and clears its bitmap;
// EndControlPaint hands the new look to the host and starts the fade timer.
//
//     PaintContext ctx;
//     if (!BeginControlPaint(control, ctx)) return;
//     ... draw on ctx.graphics inside ctx.rect ...
//     EndControlPaint(control, ctx);

#include "canvas/core/HandleTable.h"
#include "canvas/core/RectF.h"
#include "canvas/services/GdiPlus.h"

namespace canvas {

class CanvasControl;
class CanvasHost;

// Lives for one paint. Owns none of what it lists.
struct PaintContext {
    HWND window = nullptr;           // the host window
    GpGraphics* graphics = nullptr;  // the control's own, drawing into its bitmap
    RectF rect;                      // (0, 0, width, height): the whole control
    int cleared = 0;                 // 1 once the bitmap was cleared
    struct References {
        CanvasHost* host = nullptr;
        HDC windowDc = nullptr;
        HDC backDc = nullptr;
        GpGraphics* backGraphics = nullptr;
        GpBitmap* bitmap = nullptr;  // the control's own
    } refs;
};

// False, drawing nothing, when the control is not attached to a live host
// window; the painter then skips the paint.
bool BeginControlPaint(CanvasControl& control, PaintContext& ctx);
// Does nothing for a context that BeginControlPaint refused.
void EndControlPaint(CanvasControl& control, const PaintContext& ctx);
// A plain window timer; the host forwards its ticks to the control whose
// handle is id.
bool StartControlTimer(HWND window, Handle id, int periodMs);

}  // namespace canvas
