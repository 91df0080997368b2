#include "canvas/controls/Colour.h"

#include <algorithm>

namespace canvas {
namespace {

constexpr int kMaxAlpha = 255;
// MakeArgb never yields a fully opaque colour.
constexpr int kMakeArgbFullAlpha = 254;
constexpr double kDarkLuminance = 192;
constexpr double kDarkTolerance = 0.0000001;
constexpr double kRedWeight = 0.299, kGreenWeight = 0.587, kBlueWeight = 0.114;

Argb AlphaBits(int alpha) { return static_cast<Argb>(std::clamp(alpha, 0, kMaxAlpha)) << 24; }

}  // namespace

Argb MakeArgb(Rgb rgb, std::optional<int> alpha) {
    int a = alpha.value_or(kMakeArgbFullAlpha);
    if (a >= kMaxAlpha) a = kMakeArgbFullAlpha;
    const Rgb red = rgb & 0xFF, green = (rgb >> 8) & 0xFF, blue = (rgb >> 16) & 0xFF;
    return AlphaBits(a) | (red << 16) | (green << 8) | blue;
}

ArgbParts SplitArgb(Argb argb) {
    return {static_cast<int>((argb >> 24) & 0xFF), static_cast<int>((argb >> 16) & 0xFF),
            static_cast<int>((argb >> 8) & 0xFF), static_cast<int>(argb & 0xFF)};
}

bool IsDarkColor(Argb argb) {
    const ArgbParts p = SplitArgb(argb);
    const double luminance = kRedWeight * p.r + kGreenWeight * p.g + kBlueWeight * p.b;
    return luminance - kDarkLuminance < -kDarkTolerance;
}

Argb SetAlpha(Argb argb, int alpha) { return AlphaBits(alpha) | (argb & 0x00FFFFFF); }

}  // namespace canvas
