#pragma once
// Drawing the control tree into the back buffer, and the hit test that walks
// the same tree the other way round.

#include "canvas/core/HandleTable.h"
#include "canvas/core/RectF.h"
#include "canvas/services/GdiPlus.h"

namespace canvas {

// What a control gets with the compose notification: it may draw itself.
struct ComposeContext {
    GpGraphics* graphics;
    GpImage* bitmap;
    GpImage* snapshot;
    RectF bounds;
};

// Draws a sibling list and its descendants where they meet rect.
void DrawControls(Handle first, const RectF& rect, GpGraphics* graphics);
// Draws a sibling list and its descendants over the whole window; with
// askRepaint each control repaints itself first, without a fade.
void DrawControlsAll(Handle first, GpGraphics* graphics, bool askRepaint);
// Draws image into rect, its own alpha scaled by alpha / 255.
void DrawAtAlpha(GpGraphics* graphics, GpImage* image, const RectF& rect, int alpha);
// The topmost visible, enabled control at (x, y), searching from last.
Handle ControlAt(Handle last, float x, float y);
bool Intersects(const RectF& a, const RectF& b);

}  // namespace canvas
