#pragma once
// The shapes every painter shares: rounded rectangles, fills, lines, borders,
// polygons and clipping, drawn on a GDI+ graphics the caller passes in. Each
// call makes the GDI+ objects it needs and frees them before it returns.

#include "canvas/controls/Colour.h"
#include "canvas/core/RectF.h"
#include "canvas/services/GdiPlus.h"

#include <optional>
#include <span>

namespace canvas {

// The styles of DrawBorder. Any other style value is taken as the ARGB colour
// of a single one-pixel frame.
namespace border {
inline constexpr Argb kNone = 0;
inline constexpr Argb kSunken = 1;
inline constexpr Argb kRaised = 2;
inline constexpr Argb kSingle = 3;
inline constexpr Argb kDashed = 4;  // the focus rectangle
}  // namespace border

inline Gdiplus::RectF GdipRect(const RectF& r) { return {r.x, r.y, r.width, r.height}; }

// A closed rounded rectangle whose corner arcs have diameter x diameter
// bounding boxes; its right and bottom edges lie one unit inside the
// rectangle. A diameter of 0 or less gives the same outline with square
// corners. fillMode is a GDI+ FillMode.
GdipPathPtr CreateRoundRectPath(const RectF& rect, int diameter, int fillMode = Gdiplus::FillModeAlternate);
// The diameter is truncated toward zero.
void FillRoundRect(GpGraphics* graphics, const RectF& rect, float diameter, Argb argb);
void DrawRoundRect(GpGraphics* graphics, const RectF& rect, float diameter, Argb argb, float penWidth = 1.0f);

GdipBrushPtr NewSolidBrush(Argb argb);
// Fills (x, y, width - 1, height - 1) with a linear gradient over rect.
// mode is a GDI+ LinearGradientMode: 0 horizontal, 1 vertical, 2 and 3 the
// diagonals.
void FillGradientRect(GpGraphics* graphics, const RectF& rect, Argb from, Argb to,
                      int mode = Gdiplus::LinearGradientModeVertical);

GdipPenPtr NewPen(Argb argb, float width = 1.0f);
void StrokeLine(GpGraphics* graphics, Argb argb, float x1, float y1, float x2, float y2, float width = 1.0f);

// style: one of border::k*, or the ARGB colour of a single frame. colour is
// used by the single and dashed styles only; each has its own default.
void DrawBorder(GpGraphics* graphics, const RectF& rect, Argb style, std::optional<Argb> colour = {},
                float penWidth = 1.0f);

void FillPolygon(GpGraphics* graphics, std::span<const Gdiplus::PointF> points, Argb argb);
void DrawPolygon(GpGraphics* graphics, std::span<const Gdiplus::PointF> points, Argb argb, float penWidth = 1.0f);

// combineMode is a GDI+ CombineMode: 0 replace, 1 intersect, 4 exclude, ...
void ClipToRect(GpGraphics* graphics, const RectF& rect, int combineMode);
void ClipToPath(GpGraphics* graphics, GpPath* path, int combineMode);
void ClearClip(GpGraphics* graphics);

// Whether the host window's background layer under rect (host-window
// coordinates) is mostly dark: more than four of nine sample points. False
// for a window without a host.
bool IsBackgroundDark(HWND hostWindow, const RectF& rect);

}  // namespace canvas
