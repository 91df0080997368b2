#include "canvas/controls/TextDrawing.h"

#include "canvas/controls/Drawing.h"
#include "canvas/services/Text.h"

#include <array>

namespace canvas {
namespace {

constexpr Argb kHaloBehindDark = 0x55FFFFFF;   // white, alpha 85
constexpr Argb kHaloBehindLight = 0x4B000000;  // black, alpha 75
constexpr INT kNullTerminated = -1;
constexpr Argb kTransparent = 0;

// The halo's scratch picture is larger than the text box by this much, with
// the centre copy of the text at (kHaloOffset, kHaloOffset).
constexpr float kHaloMargin = 7;
constexpr float kHaloOffset = 4;
// The four neighbours widen the halo by one pixel each way; the centre copy
// comes last.
struct Offset {
    float x, y;
};
constexpr std::array<Offset, 5> kHaloCopies{{{5, 4}, {3, 4}, {4, 3}, {4, 5}, {4, 4}}};

// A bitmap with a graphics on it; the graphics goes first.
struct Scratch {
    GdipImagePtr bitmap;
    GdipGraphicsPtr graphics;

    Scratch(int width, int height) {
        GpBitmap* raw = nullptr;
        GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &raw);
        bitmap.reset(AsImage(raw));
        if (!bitmap) return;
        GpGraphics* g = nullptr;
        GdipGetImageGraphicsContext(bitmap.get(), &g);
        graphics.reset(g);
        if (g) GdipGraphicsClear(g, kTransparent);
    }
    bool ok() const { return graphics != nullptr; }
};

void DrawString(GpGraphics* graphics, const WideText& text, GpFont* font, const Gdiplus::RectF& box,
                GpStringFormat* format, GpBrush* brush) {
    GdipDrawString(graphics, text.c_str(), kNullTerminated, font, &box, format, brush);
}

void PaintHaloWide(GpGraphics* graphics, const RectF& rect, const WideText& text, GpFont* font,
                   GpStringFormat* format, Argb haloArgb, float factor) {
    if (!graphics || text.empty() || !(factor > 0)) return;
    const float w = rect.width, h = rect.height;
    const float outerW = w + kHaloMargin, outerH = h + kHaloMargin;
    const int sharpW = static_cast<int>(outerW), sharpH = static_cast<int>(outerH);
    const int smallW = static_cast<int>(outerW / factor), smallH = static_cast<int>(outerH / factor);
    if (sharpW <= 0 || sharpH <= 0 || smallW <= 0 || smallH <= 0) return;

    Scratch sharp(sharpW, sharpH);
    if (!sharp.ok()) return;
    GdipSetSmoothingMode(sharp.graphics.get(), Gdiplus::SmoothingModeAntiAlias);
    GdipSetTextRenderingHint(sharp.graphics.get(), Gdiplus::TextRenderingHintAntiAliasGridFit);
    {
        GdipBrushPtr brush = NewSolidBrush(haloArgb);
        for (const Offset& at : kHaloCopies)
            DrawString(sharp.graphics.get(), text, font, {at.x, at.y, w, h}, format, brush.get());
    }

    Scratch small(smallW, smallH);
    if (!small.ok()) return;
    GdipSetSmoothingMode(small.graphics.get(), Gdiplus::SmoothingModeAntiAlias);
    GdipSetCompositingQuality(small.graphics.get(), Gdiplus::CompositingQualityGammaCorrected);
    GdipSetInterpolationMode(small.graphics.get(), Gdiplus::InterpolationModeHighQualityBilinear);
    const auto sw = static_cast<float>(smallW), sh = static_cast<float>(smallH);
    GdipDrawImageRectRect(small.graphics.get(), sharp.bitmap.get(), 0, 0, sw, sh, 0, 0, outerW, outerH,
                          Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
    GdipDrawImageRectRect(graphics, small.bitmap.get(), rect.x - kHaloOffset, rect.y - kHaloOffset, outerW, outerH, 0,
                          0, sw, sh, Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
}

}  // namespace

void PaintText(GpGraphics* graphics, const RectF& rect, std::string_view text, GpFont* font, Argb argb,
               GpStringFormat* format, int effect, Argb haloArgb) {
    if (!graphics) return;
    const WideText wide = ToWide(text);
    if (wide.empty()) return;
    const Argb halo = haloArgb != 0 ? haloArgb : (IsDarkColor(argb) ? kHaloBehindDark : kHaloBehindLight);
    if (effect == textEffect::kGlow) PaintHaloWide(graphics, rect, wide, font, format, halo, kGlowFactor);
    if (effect == textEffect::kOutline) PaintHaloWide(graphics, rect, wide, font, format, halo, kOutlineFactor);
    GdipBrushPtr brush = NewSolidBrush(argb);
    DrawString(graphics, wide, font, GdipRect(rect), format, brush.get());
}

void PaintHalo(GpGraphics* graphics, const RectF& rect, std::string_view text, GpFont* font, GpStringFormat* format,
               Argb haloArgb, float factor) {
    PaintHaloWide(graphics, rect, ToWide(text), font, format, haloArgb, factor);
}

}  // namespace canvas
