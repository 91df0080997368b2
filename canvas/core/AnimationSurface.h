#pragma once
// The scratch surface a window animation draws its frames into: window-sized,
// cleared before each frame, blended from the host's back buffer with a
// constant alpha, and handed to the layered window as its picture.

#include "canvas/core/Surface.h"

#include <windows.h>

namespace canvas {

class AnimationSurface {
public:
    AnimationSurface(HWND window, SIZE size);
    AnimationSurface(const AnimationSurface&) = delete;
    AnimationSurface& operator=(const AnimationSurface&) = delete;

    explicit operator bool() const { return surface_.dc() != nullptr; }
    const Surface& surface() const { return surface_; }

    void Clear(ARGB colour);
    // The whole of source (the back buffer, size pixels) stretched into dest.
    void BlendWhole(HDC source, int x, int y, int width, int height, int alpha);
    // The part (x, y, width, height) of source to the same place; the part is
    // cut to the surface first.
    void BlendPart(HDC source, int x, int y, int width, int height, int alpha);
    void Push();

private:
    HWND window_;
    SIZE size_;
    Surface surface_;
};

}  // namespace canvas
