#pragma once
// Painting a window background: the picture's average colour, a picture at
// its own size or cut into a nine-grid, edges blended into a colour, the
// frame's shadow and the frame's region. Free of any host.

#include "canvas/controls/Colour.h"
#include "canvas/core/RectF.h"
#include "canvas/services/Gdi.h"
#include "canvas/services/GdiPlus.h"

namespace canvas {

// The mean of the picture's red, green and blue over all pixels, as
// 0x00BBGGRR; 0 (black) when there is no picture or its pixels cannot be read.
Rgb AverageColour(HDC referenceDc, GpImage* picture);

// The picture at its own size at (rect.x, rect.y); centred, it is centred on
// rect instead (positions rounded to whole pixels, halves away from zero).
void DrawPictureAt(GpGraphics* graphics, GpImage* picture, const RectF& rect, bool centred);

// The picture stretched over dest as a nine-grid: the corners keep their
// size, the edges stretch along their side, centre (in picture pixels) both
// ways. A centre reaching outside the picture is cut to it; pieces that come
// out empty (dest smaller than the corners, empty centre) are left out. With
// useAlpha and alpha 0..254 the pieces are drawn at that alpha.
void DrawNineGrid(GpGraphics* graphics, GpImage* picture, const RectF& dest, const RectF& centre, int alpha,
                  bool useAlpha);

struct Edges {
    bool top = false, left = false, bottom = false, right = false;
};
// Covers the chosen edges of rect with gradients from the colour (0x00BBGGRR)
// to clear over band pixels (half the size when that is smaller). The bottom
// and right bands lie offset pixels further down and right.
void BlendEdges(GpGraphics* graphics, const RectF& rect, Rgb colour, Edges edges, float band = 100,
                float offset = 6);

// Four one-pixel outlines just outside rect, each one pixel further out and
// fainter; rounded corners unless rounded is 0.
void PaintShadow(GpGraphics* graphics, RectF rect, int rounded, Rgb colour);

// The rounded rectangle (inset, inset, width - inset + 1, height - inset + 1),
// square when rounded is 0, as a GDI region and as a GDI+ region.
UniqueRegion FrameRegion(int width, int height, int inset, int ellipse, int rounded);
GdipRegionPtr FrameClipRegion(int width, int height, int inset, int ellipse, int rounded);

}  // namespace canvas
