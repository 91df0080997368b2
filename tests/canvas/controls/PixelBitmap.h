#pragma once
// A small transparent GDI+ bitmap with a graphics set up as a control's
// (anti-aliased shapes and text), and a way to read its pixels back.
// Pixels read as plain (not premultiplied) 0xAARRGGBB.

#include "canvas/services/GdiPlus.h"

#include <cstdint>

namespace controls_test {

class PixelBitmap {
public:
    PixelBitmap(int width, int height) : width_(width), height_(height) {
        Gdiplus::GpBitmap* raw = nullptr;
        canvas::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &raw);
        bitmap_.reset(canvas::AsImage(raw));
        Gdiplus::GpGraphics* g = nullptr;
        canvas::GdipGetImageGraphicsContext(bitmap_.get(), &g);
        graphics_.reset(g);
        canvas::GdipSetSmoothingMode(g, Gdiplus::SmoothingModeAntiAlias);
        canvas::GdipSetTextRenderingHint(g, Gdiplus::TextRenderingHintAntiAliasGridFit);
        canvas::GdipGraphicsClear(g, 0);
    }

    Gdiplus::GpGraphics* graphics() const { return graphics_.get(); }
    Gdiplus::GpImage* image() const { return bitmap_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    std::uint32_t Pixel(int x, int y) const {
        Gdiplus::ARGB argb = 0;
        canvas::GdipBitmapGetPixel(reinterpret_cast<Gdiplus::GpBitmap*>(bitmap_.get()), x, y, &argb);
        return argb;
    }
    static int Alpha(std::uint32_t argb) { return static_cast<int>(argb >> 24); }
    int AlphaAt(int x, int y) const { return Alpha(Pixel(x, y)); }

    int CountDrawn() const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (AlphaAt(x, y) != 0) ++n;
        return n;
    }

private:
    int width_, height_;
    canvas::GdipImagePtr bitmap_;
    canvas::GdipGraphicsPtr graphics_;
};

}  // namespace controls_test
