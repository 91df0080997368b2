#pragma once
// An off-screen surface of the window's size: a memory DC holding a 32-bpp
// DIB section, optionally with a GDI+ graphics on it. Released as a whole.

#include "canvas/services/GdiPlus.h"

namespace canvas {

class Surface {
public:
    Surface() = default;
    ~Surface() { Release(); }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Releases what the surface held, then makes a DC compatible with
    // referenceDc (the screen when null) with a bottom-up 32-bpp DIB section.
    bool Create(HDC referenceDc, int width, int height);
    // The same, plus a GDI+ graphics on the DC (anti-aliased shapes and text).
    bool CreateWithGraphics(int width, int height);
    void Release();

    HDC dc() const { return dc_; }
    HBITMAP dib() const { return dib_; }
    GpGraphics* graphics() const { return graphics_.get(); }
    // The pixels, bottom-up rows of 0xAARRGGBB; null when not created.
    const std::uint32_t* bits() const { return static_cast<const std::uint32_t*>(bits_); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixel at (x, y) counted from the top; 0 outside.
    std::uint32_t PixelAt(int x, int y) const;

private:
    HDC dc_ = nullptr;
    HBITMAP dib_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    GdipGraphicsPtr graphics_;
    void* bits_ = nullptr;
    int width_ = 0, height_ = 0;
};

}  // namespace canvas
