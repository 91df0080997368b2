#pragma once
// Fonts by family name, with a fallback to the default font's family.

#include "canvas/core/RectF.h"
#include "canvas/services/GdiPlus.h"
#include "canvas/services/Text.h"

#include <string_view>

namespace canvas {

// Font sizes are in pixels; styles are GDI+ font styles (1 bold, 2 italic,
// 4 underline, 8 strikeout). Null when no family could be made.
GdipFontPtr CreateFontByName(std::string_view faceName, float size, int style);

AnsiText FontFamilyName(GpFont* font);

enum class SystemFontKind { Menu = 1, Caption = 2, Message = 3 };
// Face name of one of the system's fonts; "宋体" for "Tahoma" or when unknown.
AnsiText DefaultFaceName(SystemFontKind kind = SystemFontKind::Caption);

struct MeasureResult {
    bool success = false;
    RectF boundingBox;
};
MeasureResult MeasureText(GpGraphics* graphics, std::string_view text, GpFont* font,
                          GpStringFormat* stringFormat, const RectF& layoutRect);

}  // namespace canvas
