#include "canvas/core/AnimationSurface.h"

#include "canvas/core/WindowEffects.h"

#include <algorithm>

namespace canvas {
namespace {

BLENDFUNCTION ConstantAlpha(int alpha) {
    return {AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), 0};
}

}  // namespace

AnimationSurface::AnimationSurface(HWND window, SIZE size) : window_(window), size_(size) {
    surface_.CreateWithGraphics(size.cx, size.cy);
}

void AnimationSurface::Clear(ARGB colour) {
    GpGraphics* g = surface_.graphics();
    if (!g) return;
    GdipGraphicsClear(g, colour);
    GdipFlush(g, Gdiplus::FlushIntentionSync);
}

void AnimationSurface::BlendWhole(HDC source, int x, int y, int width, int height, int alpha) {
    if (!surface_.dc() || !source || width <= 0 || height <= 0 || alpha <= 0) return;
    GdiAlphaBlend(surface_.dc(), x, y, width, height, source, 0, 0, size_.cx, size_.cy, ConstantAlpha(alpha));
}

void AnimationSurface::BlendPart(HDC source, int x, int y, int width, int height, int alpha) {
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min<int>(x + width, size_.cx), bottom = std::min<int>(y + height, size_.cy);
    if (!surface_.dc() || !source || right <= left || bottom <= top || alpha <= 0) return;
    GdiAlphaBlend(surface_.dc(), left, top, right - left, bottom - top, source, left, top, right - left, bottom - top,
                  ConstantAlpha(alpha));
}

void AnimationSurface::Push() {
    GdiFlush();
    PushLayered(window_, surface_.dc(), size_);
}

}  // namespace canvas
