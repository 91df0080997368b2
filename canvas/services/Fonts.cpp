#include "canvas/services/Fonts.h"

#include "canvas/services/Toolkit.h"

#include <cstring>

namespace canvas {
namespace {

constexpr const char* kFallbackFace = "宋体";
constexpr int kFamilyNameUnits = 32;  // LF_FACESIZE
constexpr float kProbeFontSize = 12;

GdipFontFamilyPtr FamilyFromName(std::string_view name) {
    const WideText wide = ToWide(name);
    GpFontFamily* family = nullptr;
    if (wide.empty() || GdipCreateFontFamilyFromName(wide.c_str(), nullptr, &family) != Gdiplus::Ok)
        return nullptr;
    return GdipFontFamilyPtr(family);
}

// The non-client metrics as the older systems lay them out (no padded-border
// field): 340 bytes, which every Windows version accepts.
struct NonClientMetricsV5 {
    UINT cbSize;
    int iBorderWidth, iScrollWidth, iScrollHeight, iCaptionWidth, iCaptionHeight;
    LOGFONTA lfCaptionFont;
    int iSmCaptionWidth, iSmCaptionHeight;
    LOGFONTA lfSmCaptionFont;
    int iMenuWidth, iMenuHeight;
    LOGFONTA lfMenuFont, lfStatusFont, lfMessageFont;
};
static_assert(sizeof(NonClientMetricsV5) == 340);

}  // namespace

GdipFontPtr CreateFontByName(std::string_view faceName, float size, int style) {
    GdipFontFamilyPtr family = FamilyFromName(faceName);
    if (!family && defaultFont) family = FamilyFromName(FontFamilyName(defaultFont));
    if (!family) return nullptr;
    GpFont* font = nullptr;
    GdipCreateFont(family.get(), size, style, Gdiplus::UnitPixel, &font);
    return GdipFontPtr(font);
}

AnsiText FontFamilyName(GpFont* font) {
    if (!font) return {};
    GpFontFamily* family = nullptr;
    if (GdipGetFamily(font, &family) != Gdiplus::Ok || !family) return {};
    GdipFontFamilyPtr owner(family);
    WCHAR name[kFamilyNameUnits] = {};
    GdipGetFamilyName(family, name, LANG_NEUTRAL);
    name[kFamilyNameUnits - 1] = 0;
    return FromWide(name);
}

AnsiText DefaultFaceName(SystemFontKind kind) {
    NonClientMetricsV5 metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return kFallbackFace;
    const LOGFONTA* chosen = &metrics.lfCaptionFont;
    if (kind == SystemFontKind::Menu) chosen = &metrics.lfMenuFont;
    if (kind == SystemFontKind::Message) chosen = &metrics.lfMessageFont;
    AnsiText name(chosen->lfFaceName, strnlen(chosen->lfFaceName, LF_FACESIZE));
    if (name == "Tahoma") name = kFallbackFace;
    if (CreateFontByName(name, kProbeFontSize, 0)) return name;
    return kFallbackFace;
}

MeasureResult MeasureText(GpGraphics* graphics, std::string_view text, GpFont* font,
                          GpStringFormat* stringFormat, const RectF& layoutRect) {
    MeasureResult result;
    const WideText wide = ToWide(text);
    const Gdiplus::RectF layout(layoutRect.x, layoutRect.y, layoutRect.width, layoutRect.height);
    Gdiplus::RectF box;
    result.success = GdipMeasureString(graphics, wide.c_str(), -1, font, &layout, stringFormat, &box,
                                       nullptr, nullptr) == Gdiplus::Ok;
    result.boundingBox = {box.X, box.Y, box.Width, box.Height};
    return result;
}

}  // namespace canvas
