#pragma once
// The font of a text-drawing control: either the toolkit's shared default
// font, which is never deleted, or a font of the control's own.

#include "canvas/services/GdiPlus.h"
#include "canvas/services/Text.h"

#include <optional>

namespace canvas {

class ControlFont {
public:
    static constexpr float kDefaultSize = 12;  // pixels, when only a family or style is asked for

    // The default font when none of the three is given; otherwise a font of
    // the given family (or the default font's family) in pixels, 12 px and
    // regular unless given. An unknown family falls back to the default
    // font's family.
    void Choose(const std::optional<AnsiText>& name, std::optional<float> size, std::optional<int> style);

    GpFont* get() const { return font_; }
    bool IsDefault() const;

    AnsiText FamilyName() const;
    float Size() const;
    int Style() const;

    // Each makes a new font with the other two properties kept and replaces
    // the current one. False, changing nothing, when no font could be made.
    bool SetFamily(const AnsiText& name);
    bool SetSize(float size);
    bool SetStyle(int style);

    // Takes ownership of font. The default font stays shared; a null font
    // means the default font.
    void Adopt(GdipFontPtr font);
    // Deletes the font unless it is the default font, and forgets it.
    void Release();
    // Deletes a font nobody takes, unless it is the shared default font.
    static void Discard(GdipFontPtr font);

private:
    bool Replace(const AnsiText& family, float size, int style);

    GpFont* font_ = nullptr;  // what the control draws with
    GdipFontPtr owned_;       // set when font_ is the control's own
};

}  // namespace canvas
