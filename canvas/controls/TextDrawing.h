#pragma once
// Text with an optional halo (a soft glow or a crisp outline) behind it.
// Texts come as the toolkit keeps them, in the system ANSI code page, and
// become UTF-16 here, just before GDI+ draws them.

#include "canvas/controls/Colour.h"
#include "canvas/core/RectF.h"
#include "canvas/services/GdiPlus.h"

#include <string_view>

namespace canvas {

namespace textEffect {
inline constexpr int kPlain = 0;
inline constexpr int kGlow = 3;
inline constexpr int kOutline = 4;
}  // namespace textEffect

inline constexpr float kGlowFactor = 3.0f;
inline constexpr float kOutlineFactor = 1.0f;

// Draws text into rect with the given format, after a halo when effect is
// textEffect::kGlow or kOutline (any other value: plain text). A halo colour
// of 0 picks translucent white behind dark text, translucent black behind
// light text.
void PaintText(GpGraphics* graphics, const RectF& rect, std::string_view text, GpFont* font, Argb argb,
               GpStringFormat* format, int effect = textEffect::kPlain, Argb haloArgb = 0);

// The halo alone: the text drawn around its place, shrunk by factor and
// stretched back, which blurs it (factor 1 keeps a one-pixel rim). Draws
// nothing for a factor of 0 or less.
void PaintHalo(GpGraphics* graphics, const RectF& rect, std::string_view text, GpFont* font, GpStringFormat* format,
               Argb haloArgb, float factor = kGlowFactor);

}  // namespace canvas
