#pragma once
// Colour arithmetic shared by every painter. Plain integers only, so this
// builds without the platform headers.
//
// Two forms are in use: ARGB (0xAARRGGBB, what GDI+ takes) and RGB
// (0x00BBGGRR, red in the lowest byte, as GetPixel answers and as the
// toolkit's colour tables hold colours) with a separate alpha.

#include <cstdint>
#include <optional>

namespace canvas {

using Argb = std::uint32_t;
using Rgb = std::uint32_t;

struct ArgbParts {
    int a = 0;
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const ArgbParts&, const ArgbParts&) = default;
};

// ARGB from an RGB colour and an alpha. The top byte of rgb is ignored, an
// alpha outside 0..255 is clamped, and the result never has alpha 255: an
// absent or full alpha gives 254.
Argb MakeArgb(Rgb rgb, std::optional<int> alpha = {});

ArgbParts SplitArgb(Argb argb);

// Luminance below 192; alpha plays no part.
bool IsDarkColor(Argb argb);

// The colour of argb with the given alpha (clamped to 0..255).
Argb SetAlpha(Argb argb, int alpha);

}  // namespace canvas
