#include "canvas/controls/ControlFont.h"

#include "canvas/services/Fonts.h"
#include "canvas/services/Toolkit.h"

namespace canvas {

void ControlFont::Choose(const std::optional<AnsiText>& name, std::optional<float> size, std::optional<int> style) {
    Release();
    if (!name && !size && !style) {
        font_ = defaultFont;
        return;
    }
    const AnsiText family = name ? *name : FontFamilyName(defaultFont);
    if (!Replace(family, size.value_or(kDefaultSize), style.value_or(Gdiplus::FontStyleRegular)))
        font_ = defaultFont;  // nothing could be made: keep the text visible
}

bool ControlFont::IsDefault() const { return font_ && font_ == defaultFont; }

AnsiText ControlFont::FamilyName() const { return FontFamilyName(font_); }

float ControlFont::Size() const {
    float size = 0;
    if (font_) GdipGetFontSize(font_, &size);
    return size;
}

int ControlFont::Style() const {
    INT style = 0;
    if (font_) GdipGetFontStyle(font_, &style);
    return style;
}

bool ControlFont::SetFamily(const AnsiText& name) {
    return Replace(name, font_ ? Size() : kDefaultSize, Style());
}

bool ControlFont::SetSize(float size) {
    const AnsiText family = font_ ? FamilyName() : FontFamilyName(defaultFont);
    return Replace(family, size, Style());
}

bool ControlFont::SetStyle(int style) {
    const AnsiText family = font_ ? FamilyName() : FontFamilyName(defaultFont);
    return Replace(family, font_ ? Size() : kDefaultSize, style);
}

void ControlFont::Adopt(GdipFontPtr font) {
    Release();
    if (!font || font.get() == defaultFont) {
        font.release();  // shared, never ours to delete
        font_ = defaultFont;
        return;
    }
    owned_ = std::move(font);
    font_ = owned_.get();
}

void ControlFont::Discard(GdipFontPtr font) {
    if (font.get() == defaultFont) font.release();
}

void ControlFont::Release() {
    font_ = nullptr;
    owned_.reset();
}

bool ControlFont::Replace(const AnsiText& family, float size, int style) {
    GdipFontPtr made = CreateFontByName(family, size, style);
    if (!made) return false;
    owned_ = std::move(made);
    font_ = owned_.get();
    return true;
}

}  // namespace canvas
