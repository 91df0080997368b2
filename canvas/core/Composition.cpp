#include "canvas/core/Composition.h"

#include "canvas/core/CanvasControl.h"

namespace canvas {
namespace {

constexpr float kMargin = 0.0000001f;
constexpr int kOpaque = 255;

// Draws the children of c clipped to c's bounds, then restores the clip.
template <class DrawList>
void DrawChildren(CanvasControl& c, GpGraphics* graphics, DrawList draw) {
    if (!c.firstChild) return;
    Gdiplus::RectF saved;
    GdipGetVisibleClipBounds(graphics, &saved);
    GdipSetClipRect(graphics, c.bounds.x, c.bounds.y, c.bounds.width, c.bounds.height, Gdiplus::CombineModeIntersect);
    draw(c.firstChild);
    GdipSetClipRect(graphics, saved.X, saved.Y, saved.Width, saved.Height, Gdiplus::CombineModeReplace);
}

}  // namespace

bool Intersects(const RectF& r, const RectF& b) {
    return r.x < b.x + b.width - kMargin && r.x + r.width > b.x + kMargin && r.y < b.y + b.height - kMargin &&
           r.y + r.height > b.y + kMargin;
}

void DrawAtAlpha(GpGraphics* graphics, GpImage* image, const RectF& rect, int alpha) {
    if (!graphics || !image) return;
    if (alpha == kOpaque) {
        GdipDrawImageRect(graphics, image, rect.x, rect.y, rect.width, rect.height);
        return;
    }
    Gdiplus::ColorMatrix matrix{};
    matrix.m[0][0] = 1;
    matrix.m[1][1] = 1;
    matrix.m[2][2] = 1;
    matrix.m[3][3] = static_cast<float>(alpha) / kOpaque;
    matrix.m[4][4] = 1;
    GpImageAttributes* attributes = nullptr;
    GdipCreateImageAttributes(&attributes);
    GdipImageAttributesPtr owner(attributes);
    GdipSetImageAttributesColorMatrix(attributes, Gdiplus::ColorAdjustTypeBitmap, TRUE, &matrix, nullptr,
                                      Gdiplus::ColorMatrixFlagsDefault);
    GdipDrawImageRectRect(graphics, image, rect.x, rect.y, rect.width, rect.height, 0, 0, rect.width, rect.height,
                          Gdiplus::UnitPixel, attributes, nullptr, nullptr);
}

void DrawControls(Handle first, const RectF& rect, GpGraphics* graphics) {
    for (CanvasControl* c = ControlFromHandle(first); c; c = ControlFromHandle(c->nextSibling)) {
        if (c->visible != 1 || !Intersects(rect, c->bounds)) continue;
        const Handle self = c->handle;
        if (c->disabled) {
            DrawAtAlpha(graphics, c->bitmap.get(), c->bounds, c->opacity);
        } else {
            ComposeContext context{graphics, c->bitmap.get(), c->fadeSnapshot.get(), c->bounds};
            const ComposeContext* ref = &context;
            const int answer = c->RaiseEvent(notify::kCompose, 0, reinterpret_cast<LPARAM>(&ref));
            if (ControlFromHandle(self) != c) return;  // destroyed while asked
            if (answer <= 0) {
                if (c->fadeSnapshot) DrawAtAlpha(graphics, c->fadeSnapshot.get(), c->bounds, c->opacity - c->fadeLevel);
                DrawAtAlpha(graphics, c->bitmap.get(), c->bounds, c->fadeLevel);
            }
        }
        DrawChildren(*c, graphics, [&](Handle child) { DrawControls(child, rect, graphics); });
    }
}

void DrawControlsAll(Handle first, GpGraphics* graphics, bool askRepaint) {
    for (CanvasControl* c = ControlFromHandle(first); c; c = ControlFromHandle(c->nextSibling)) {
        if (c->visible != 1) continue;
        const Handle self = c->handle;
        if (askRepaint) c->RaiseEvent(notify::kRepaintNow);
        if (ControlFromHandle(self) != c) return;
        DrawAtAlpha(graphics, c->bitmap.get(), c->bounds, c->opacity);
        DrawChildren(*c, graphics, [&](Handle child) { DrawControlsAll(child, graphics, askRepaint); });
    }
}

Handle ControlAt(Handle last, float x, float y) {
    for (CanvasControl* c = ControlFromHandle(last); c; c = ControlFromHandle(c->prevSibling)) {
        if (c->visible != 1 || c->disabled) continue;
        const RectF& b = c->bounds;
        if (x >= b.x - kMargin && y >= b.y - kMargin && x < b.x + b.width - kMargin && y < b.y + b.height - kMargin) {
            if (const Handle child = ControlAt(c->lastChild, x, y)) return child;
            return c->handle;
        }
    }
    return 0;
}

}  // namespace canvas
