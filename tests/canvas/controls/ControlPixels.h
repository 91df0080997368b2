#pragma once
// Reading a control's own bitmap back, and giving a host a plain background
// to paint over.

#include "canvas/core/CanvasControl.h"
#include "canvas/core/CanvasHost.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace controls_test {

// Plain (not premultiplied) 0xAARRGGBB; 0 outside the bitmap.
inline std::uint32_t PixelOf(const canvas::CanvasControl& c, int x, int y) {
    Gdiplus::ARGB argb = 0;
    if (c.bitmapHandle()) canvas::GdipBitmapGetPixel(c.bitmapHandle(), x, y, &argb);
    return argb;
}

inline std::uint32_t Alpha(std::uint32_t argb) { return argb >> 24; }

// The smallest box holding every pixel that matches.
struct InkBox {
    bool found = false;
    int left = 0, top = 0, right = 0, bottom = 0;  // inclusive
};

inline InkBox Ink(const canvas::CanvasControl& c, const std::function<bool(std::uint32_t)>& matches) {
    InkBox box;
    const int w = static_cast<int>(c.bounds.width), h = static_cast<int>(c.bounds.height);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!matches(PixelOf(c, x, y))) continue;
            if (!box.found) box = {true, x, y, x, y};
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

// Dark text on a light, nearly opaque face (the faint outer border is not).
inline bool IsDarkInk(std::uint32_t p) {
    const std::uint32_t sum = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    return Alpha(p) >= 0xC0 && sum < 300;
}

// The most opaque pixel of the control's bitmap.
inline std::uint32_t StrongestPixel(const canvas::CanvasControl& c) {
    std::uint32_t best = 0;
    const int w = static_cast<int>(c.bounds.width), h = static_cast<int>(c.bounds.height);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (const std::uint32_t p = PixelOf(c, x, y); Alpha(p) > Alpha(best)) best = p;
    return best;
}

// Makes the host's background layer one colour (what automatic text colours
// look at) and recomposes the window.
inline void FillBackground(canvas::CanvasHost& host, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, host.size.cx, host.size.cy};
    FillRect(host.background.dc(), &all, brush);
    DeleteObject(brush);
    host.Compose({0, 0, static_cast<float>(host.size.cx), static_cast<float>(host.size.cy)}, false);
}

}  // namespace controls_test
