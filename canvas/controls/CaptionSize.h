#pragma once
// The measured size of a control's caption, in whole pixels.

#include "canvas/core/RectF.h"
#include "canvas/services/GdiPlus.h"

#include <string_view>

namespace canvas {

struct CaptionSize {
    int width = 0;
    int height = 0;
};

// One line of the caption laid out in bounds: the layout box is bounds with
// the font's line height. Sizes are rounded to whole pixels; 0 x 0 without
// a graphics or a font.
CaptionSize MeasureCaptionLine(GpGraphics* graphics, std::string_view caption, GpFont* font, GpStringFormat* format,
                               const RectF& bounds);
// The caption laid out without bounds.
CaptionSize MeasureCaptionUnbounded(GpGraphics* graphics, std::string_view caption, GpFont* font,
                                    GpStringFormat* format);

}  // namespace canvas
