#include "canvas/controls/Drawing.h"

#include "canvas/core/CanvasHost.h"

#include <array>

namespace canvas {
namespace {

constexpr float kQuarterTurn = 90;
constexpr Argb kShadeSunken = 0xA0000000;
constexpr Argb kShadeRaised = 0xA8000000;
constexpr Argb kHighlight = 0xF5FFFFFF;
constexpr Argb kDefaultSingle = 0xFE646464;
constexpr Argb kDefaultDashed = 0x78000000;
// The highlight edges of the sunken and raised styles use half the pen width.
constexpr float kHighlightWidthFactor = 0.5f;

int Trunc(float v) { return static_cast<int>(v); }

void FillPath(GpGraphics* graphics, GpPath* path, Argb argb) {
    if (!graphics || !path) return;
    GdipBrushPtr brush = NewSolidBrush(argb);
    GdipFillPath(graphics, brush.get(), path);
}

void StrokePath(GpGraphics* graphics, GpPath* path, Argb argb, float width) {
    if (!graphics || !path) return;
    GdipPenPtr pen = NewPen(argb, width);
    GdipDrawPath(graphics, pen.get(), path);
}

void Line(GpGraphics* graphics, GpPen* pen, float x1, float y1, float x2, float y2) {
    GdipDrawLine(graphics, pen, x1, y1, x2, y2);
}

// The frame every single-rectangle style draws: (x, y, w - 1, h - 1).
void FrameRect(GpGraphics* graphics, const RectF& r, GpPen* pen) {
    GdipDrawRectangle(graphics, pen, r.x, r.y, r.width - 1, r.height - 1);
}

void DrawSunken(GpGraphics* graphics, const RectF& r, float penWidth) {
    const float right = r.x + r.width - 1, bottom = r.y + r.height - 1;
    GdipPenPtr shade = NewPen(kShadeSunken, penWidth);
    Line(graphics, shade.get(), r.x, r.y, right, r.y);
    Line(graphics, shade.get(), r.x, r.y, r.x, bottom);
    GdipPenPtr light = NewPen(kHighlight, penWidth * kHighlightWidthFactor);
    Line(graphics, light.get(), r.x, bottom, right, bottom);
    Line(graphics, light.get(), right, r.y, right, bottom);
}

void DrawRaised(GpGraphics* graphics, const RectF& r, float penWidth) {
    const float right = r.x + r.width - 1, bottom = r.y + r.height - 1;
    GdipPenPtr light = NewPen(kHighlight, penWidth * kHighlightWidthFactor);
    Line(graphics, light.get(), r.x, r.y, right - 1, r.y);
    Line(graphics, light.get(), r.x, r.y, r.x, bottom - 1);
    GdipPenPtr shade = NewPen(kShadeRaised, penWidth);
    Line(graphics, shade.get(), r.x, bottom, right, bottom);
    Line(graphics, shade.get(), right, r.y, right, bottom - 1);
}

}  // namespace

GdipPathPtr CreateRoundRectPath(const RectF& rect, int diameter, int fillMode) {
    GpPath* raw = nullptr;
    GdipCreatePath(static_cast<Gdiplus::FillMode>(fillMode), &raw);
    GdipPathPtr path(raw);
    if (!path) return path;
    if (diameter <= 0) {
        // No arcs to draw; keep the edges where the rounded outline has them.
        GdipAddPathRectangle(raw, rect.x, rect.y, rect.width - 1, rect.height - 1);
        GdipClosePathFigure(raw);
        return path;
    }
    const auto d = static_cast<float>(diameter);
    const auto right = static_cast<float>(static_cast<double>(rect.x) + rect.width - diameter - 1);
    const auto bottom = static_cast<float>(static_cast<double>(rect.y) + rect.height - diameter - 1);
    GdipAddPathArc(raw, rect.x, rect.y, d, d, 2 * kQuarterTurn, kQuarterTurn);
    GdipAddPathArc(raw, right, rect.y, d, d, 3 * kQuarterTurn, kQuarterTurn);
    GdipAddPathArc(raw, right, bottom, d, d, 0, kQuarterTurn);
    GdipAddPathArc(raw, rect.x, bottom, d, d, kQuarterTurn, kQuarterTurn);
    GdipClosePathFigure(raw);
    return path;
}

void FillRoundRect(GpGraphics* graphics, const RectF& rect, float diameter, Argb argb) {
    if (!graphics) return;
    GdipPathPtr path = CreateRoundRectPath(rect, Trunc(diameter), Gdiplus::FillModeAlternate);
    FillPath(graphics, path.get(), argb);
}

void DrawRoundRect(GpGraphics* graphics, const RectF& rect, float diameter, Argb argb, float penWidth) {
    if (!graphics) return;
    GdipPathPtr path = CreateRoundRectPath(rect, Trunc(diameter), Gdiplus::FillModeAlternate);
    StrokePath(graphics, path.get(), argb, penWidth);
}

GdipBrushPtr NewSolidBrush(Argb argb) {
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(argb, &brush);
    return GdipBrushPtr(brush);
}

void FillGradientRect(GpGraphics* graphics, const RectF& rect, Argb from, Argb to, int mode) {
    if (!graphics) return;
    const Gdiplus::RectF area = GdipRect(rect);
    GpLineGradient* raw = nullptr;
    GdipCreateLineBrushFromRect(&area, from, to, static_cast<Gdiplus::LinearGradientMode>(mode),
                                Gdiplus::WrapModeTileFlipXY, &raw);
    GdipBrushPtr brush(raw);
    if (!brush) return;
    GdipFillRectangle(graphics, brush.get(), rect.x, rect.y, rect.width - 1, rect.height - 1);
}

GdipPenPtr NewPen(Argb argb, float width) {
    GpPen* pen = nullptr;
    GdipCreatePen1(argb, width, Gdiplus::UnitWorld, &pen);
    return GdipPenPtr(pen);
}

void StrokeLine(GpGraphics* graphics, Argb argb, float x1, float y1, float x2, float y2, float width) {
    if (!graphics) return;
    GdipPenPtr pen = NewPen(argb, width);
    Line(graphics, pen.get(), x1, y1, x2, y2);
}

void DrawBorder(GpGraphics* graphics, const RectF& rect, Argb style, std::optional<Argb> colour, float penWidth) {
    if (!graphics) return;
    switch (style) {
        case border::kNone:
            return;
        case border::kSunken:
            DrawSunken(graphics, rect, penWidth);
            return;
        case border::kRaised:
            DrawRaised(graphics, rect, penWidth);
            return;
        case border::kSingle: {
            GdipPenPtr pen = NewPen(colour.value_or(kDefaultSingle), penWidth);
            FrameRect(graphics, rect, pen.get());
            return;
        }
        case border::kDashed: {
            GdipPenPtr pen = NewPen(colour.value_or(kDefaultDashed), penWidth);
            GdipSetPenDashStyle(pen.get(), Gdiplus::DashStyleDash);
            FrameRect(graphics, rect, pen.get());
            return;
        }
        default: {
            GdipPenPtr pen = NewPen(style, penWidth);
            FrameRect(graphics, rect, pen.get());
            return;
        }
    }
}

void FillPolygon(GpGraphics* graphics, std::span<const Gdiplus::PointF> points, Argb argb) {
    if (!graphics || points.empty()) return;
    GdipBrushPtr brush = NewSolidBrush(argb);
    GdipFillPolygon(graphics, brush.get(), points.data(), static_cast<INT>(points.size()), Gdiplus::FillModeAlternate);
}

void DrawPolygon(GpGraphics* graphics, std::span<const Gdiplus::PointF> points, Argb argb, float penWidth) {
    if (!graphics || points.empty()) return;
    GdipPenPtr pen = NewPen(argb, penWidth);
    GdipDrawPolygon(graphics, pen.get(), points.data(), static_cast<INT>(points.size()));
}

void ClipToRect(GpGraphics* graphics, const RectF& rect, int combineMode) {
    if (!graphics) return;
    GdipSetClipRect(graphics, rect.x, rect.y, rect.width, rect.height, static_cast<Gdiplus::CombineMode>(combineMode));
}

void ClipToPath(GpGraphics* graphics, GpPath* path, int combineMode) {
    if (!graphics || !path) return;
    GdipSetClipPath(graphics, path, static_cast<Gdiplus::CombineMode>(combineMode));
}

void ClearClip(GpGraphics* graphics) {
    if (graphics) GdipResetClip(graphics);
}

bool IsBackgroundDark(HWND hostWindow, const RectF& rect) {
    constexpr std::array<double, 3> kSampleAt{0.2, 0.5, 0.8};
    constexpr int kDarkNeeded = 5;  // more than four of the nine
    const CanvasHost* host = HostOfWindow(hostWindow);
    if (!host || !host->background.dc()) return false;
    GdiFlush();
    int dark = 0;
    for (double fy : kSampleAt) {
        const int y = static_cast<int>(rect.y + fy * rect.height);
        for (double fx : kSampleAt) {
            const int x = static_cast<int>(rect.x + fx * rect.width);
            const COLORREF pixel = GetPixel(host->background.dc(), x, y);
            if (IsDarkColor(MakeArgb(pixel))) ++dark;
        }
    }
    return dark >= kDarkNeeded;
}

}  // namespace canvas
