#include "canvas/core/Surface.h"

namespace canvas {

bool Surface::Create(HDC referenceDc, int width, int height) {
    Release();
    if (width <= 0 || height <= 0) return false;
    dc_ = CreateCompatibleDC(referenceDc);
    if (!dc_) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * height * 4;
    dib_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (!dib_) {
        Release();
        return false;
    }
    oldBitmap_ = SelectObject(dc_, dib_);
    width_ = width;
    height_ = height;
    return true;
}

bool Surface::CreateWithGraphics(int width, int height) {
    if (!Create(nullptr, width, height)) return false;
    GpGraphics* g = nullptr;
    GdipCreateFromHDC(dc_, &g);
    graphics_.reset(g);
    if (g) {
        GdipSetSmoothingMode(g, Gdiplus::SmoothingModeAntiAlias);
        GdipSetTextRenderingHint(g, Gdiplus::TextRenderingHintAntiAliasGridFit);
    }
    return g != nullptr;
}

void Surface::Release() {
    graphics_.reset();
    if (dc_ && oldBitmap_) SelectObject(dc_, oldBitmap_);
    if (dib_) DeleteObject(dib_);
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
    dib_ = nullptr;
    oldBitmap_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

std::uint32_t Surface::PixelAt(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    GdiFlush();
    return bits()[static_cast<size_t>(height_ - 1 - y) * width_ + x];
}

}  // namespace canvas
