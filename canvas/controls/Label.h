#pragma once
// The toolkit's static text: a caption over an optional gradient background
// and border, aligned horizontally by its string format and vertically by
// verticalAlign, optionally word-wrapped, with the same text effects and
// automatic black-or-white caption as the buttons. No mouse states, no
// focus by default, no fades.
//
// Hooks for subclasses: AdjustTextBox may move the caption box just before
// the caption is drawn, PreviewMessage sees every message first, Created
// runs at the end of WM_CREATE.

#include "canvas/controls/Colour.h"
#include "canvas/controls/ControlFont.h"
#include "canvas/core/CanvasControl.h"
#include "canvas/services/GdiPlus.h"
#include "canvas/services/Text.h"

#include <optional>

namespace canvas {

struct LabelOptions {
    std::optional<Argb> textColour;   // 0xD2000000 when absent
    std::optional<int> backMode;      // LinearGradientMode; -1 no background; 0 when absent
    std::optional<Argb> backColour1;  // 0 is fully transparent
    std::optional<Argb> backColour2;
    std::optional<int> wordWrap;
    std::optional<int> autoTextColour;
    std::optional<AnsiText> fontName; // any of the three font values makes a font of the label's own
    std::optional<float> fontSize;    // pixels; 12 when a font is made without one
    std::optional<int> fontStyle;
    std::optional<int> alignment;     // GDI+ StringAlignment: 0 near, 1 centre, 2 far
    std::optional<int> trimming;      // GDI+ StringTrimming
    std::optional<int> effect;        // textEffect::k*
    std::optional<Argb> haloColour;   // 0: automatic
    std::optional<Argb> border;       // DrawBorder style, or a frame colour
    std::optional<int> visible;       // 1 when absent
};

namespace verticalAlign {
inline constexpr int kTop = 0;
inline constexpr int kCentre = 1;
inline constexpr int kBottom = 2;
}  // namespace verticalAlign

class Label : public CanvasControl {
public:
    static constexpr Argb kDefaultTextColour = 0xD2000000;  // black at 210
    static constexpr int kNoBackground = -1;
    // StringFormatFlags of a wrapping label: NoFontFallback, MeasureTrailingSpaces, NoClip, LineLimit.
    static constexpr int kWrapFlags = 0x400 | 0x800 | 0x4000 | 0x2000;
    static constexpr int kNoWrapFlags = 0x1000;  // NoWrap

    int HandleMessage(canvas::Handle handle, UINT code, WPARAM wparam, LPARAM lparam) override;

    virtual void MeasureCaption();
    // parent: a window carrying a host, or a live control. 0 on failure.
    virtual canvas::Handle Create(ControlParent parent, int x, int y, int width, int height, const AnsiText& text,
                                  const LabelOptions& options = {});
    virtual AnsiText Text(std::optional<AnsiText> value = {});
    virtual Argb TextColour(std::optional<Argb> value = {});
    virtual Argb HaloColour(std::optional<Argb> value = {});
    virtual Argb BackColour1(std::optional<Argb> value = {});
    virtual Argb BackColour2(std::optional<Argb> value = {});
    virtual int BackMode(std::optional<int> value = {});
    virtual AnsiText FontName(std::optional<AnsiText> name = {});
    virtual int FontStyle(std::optional<int> style = {});
    virtual int FontSize(std::optional<float> size = {});
    // Trimming, FormatFlags and Alignment read and write the label's string format.
    virtual int Trimming(std::optional<int> value = {});
    virtual int FormatFlags(std::optional<int> value = {});
    // The font drawn with. Setting takes ownership of the given font.
    virtual GpFont* Font() const { return font.get(); }
    virtual GpFont* Font(GdipFontPtr value);
    virtual GpStringFormat* Format() const { return format.get(); }
    virtual GpStringFormat* Format(GdipStringFormatPtr value);
    virtual int Alignment(std::optional<int> value = {});
    virtual int WordWrap(std::optional<int> value = {});
    virtual int VerticalAlign(std::optional<int> value = {});
    virtual int Effect(std::optional<int> value = {});
    virtual Argb Border(std::optional<Argb> value = {});
    virtual int AutoTextColour(std::optional<int> value = {});
    virtual void ReleaseFont();
    virtual void Paint();

    // Hooks.
    virtual void AdjustTextBox(RectF& textBox);
    virtual int PreviewMessage(canvas::Handle handle, UINT code, WPARAM wparam, LPARAM lparam);
    virtual void Created(canvas::Handle handle);

    // ---- the record ----
    ControlFont font;
    AnsiText text;
    Argb textColour = kDefaultTextColour;
    int backMode = 0;
    Argb backColour1 = 0;
    Argb backColour2 = 0;
    int wordWrap = 0;
    int verticalAlign = verticalAlign::kCentre;
    int effect = 0;
    Argb border = 0;
    int autoTextColour = 0;
    Argb haloColour = 0;
    GdipStringFormatPtr format;
    int textWidth = 0;
    int textHeight = 0;

protected:
    // The caption colour: textColour, or white or black at its alpha over
    // the background when autoTextColour is set.
    Argb CaptionColour() const;
    float LineHeight() const;
    // A stored property changed: repaint.
    template <class T>
    T Store(T& field, std::optional<T> value) {
        if (value && handle) {
            field = *value;
            RequestRepaint();
        }
        return field;
    }
};

}  // namespace canvas
