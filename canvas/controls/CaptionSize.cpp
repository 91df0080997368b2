#include "canvas/controls/CaptionSize.h"

#include "canvas/services/Fonts.h"

#include <cmath>

namespace canvas {
namespace {

CaptionSize Rounded(const RectF& box) {
    return {static_cast<int>(std::lround(box.width)), static_cast<int>(std::lround(box.height))};
}

}  // namespace

CaptionSize MeasureCaptionLine(GpGraphics* graphics, std::string_view caption, GpFont* font, GpStringFormat* format,
                               const RectF& bounds) {
    if (!graphics || !font) return {};
    float lineHeight = 0;
    GdipGetFontHeight(font, graphics, &lineHeight);
    MeasureResult measured = MeasureText(graphics, caption, font, format, {bounds.x, bounds.y, bounds.width, lineHeight});
    // Some GDI+ versions lay a line out in whole pixels and find no room for
    // it in a box of the font's exact (fractional) line height: the box is
    // then measured empty. One line is what fits with the height unbounded.
    if (!caption.empty() && measured.boundingBox.height <= 0)
        measured = MeasureText(graphics, caption, font, format, {bounds.x, bounds.y, bounds.width, 0});
    return Rounded(measured.boundingBox);
}

CaptionSize MeasureCaptionUnbounded(GpGraphics* graphics, std::string_view caption, GpFont* font,
                                    GpStringFormat* format) {
    if (!graphics || !font) return {};
    return Rounded(MeasureText(graphics, caption, font, format, {}).boundingBox);
}

}  // namespace canvas
