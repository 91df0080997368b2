#pragma once
// The clickable text controls' common base: a caption with an access key, a
// font, a string format and a few colours; a visual state (normal, hot,
// pressed, focused) that cross-fades on every change; and a glass-like face
// tinted with the host window's theme colour.
//
// Subclasses supply three hooks: PaintFace may draw a face of its own,
// PaintContent may draw more content and move the caption box, and
// PreviewMessage sees every message first.

#include "canvas/controls/Colour.h"
#include "canvas/controls/ControlFont.h"
#include "canvas/controls/ControlPaint.h"
#include "canvas/core/CanvasControl.h"
#include "canvas/services/GdiPlus.h"
#include "canvas/services/Text.h"

#include <optional>

namespace canvas {

struct TextControlOptions {
    std::optional<Argb> textColour;   // 0xD2000000 when absent
    std::optional<AnsiText> fontName; // any of the three font values makes a font of the control's own
    std::optional<float> fontSize;    // pixels
    std::optional<int> fontStyle;     // GDI+ FontStyle flags
    std::optional<int> effect;        // textEffect::k*
    std::optional<Argb> haloColour;   // 0: automatic
    std::optional<int> rounded;       // default: the host window's frame style
    std::optional<int> visible;       // 1 when absent
};

// The visual states; Paint only ever gets these four.
namespace textState {
inline constexpr int kNormal = 0;
inline constexpr int kHot = 1;
inline constexpr int kPressed = 2;
inline constexpr int kFocused = 3;
}  // namespace textState

class TextControl : public CanvasControl {
public:
    static constexpr Argb kDefaultTextColour = 0xD2000000;  // black at 210
    static constexpr int kFadePeriodMs = 60;

    int HandleMessage(canvas::Handle handle, UINT code, WPARAM wparam, LPARAM lparam) override;

    // Measures the caption into textWidth and textHeight.
    virtual void MeasureCaption();
    // parent: a window carrying a host, or a live control. 0 on failure.
    virtual canvas::Handle Create(ControlParent parent, int x, int y, int width, int height, const AnsiText& text,
                                  const TextControlOptions& options = {});
    virtual AnsiText Text(std::optional<AnsiText> value = {});
    virtual Argb TextColour(std::optional<Argb> value = {});
    virtual int Effect(std::optional<int> value = {});
    virtual AnsiText FontName(std::optional<AnsiText> name = {});
    virtual int FontStyle(std::optional<int> style = {});
    virtual int FontSize(std::optional<float> size = {});
    // The font drawn with. Setting takes ownership of the given font.
    virtual GpFont* Font() const { return font.get(); }
    virtual GpFont* Font(GdipFontPtr value);
    virtual GpStringFormat* Format() const { return format.get(); }
    virtual GpStringFormat* Format(GdipStringFormatPtr value);
    virtual Argb HaloColour(std::optional<Argb> value = {});
    virtual int Rounded(std::optional<int> value = {});
    virtual int AutoTextColour(std::optional<int> value = {});
    virtual void ReleaseFont();
    // Paints the face for state; the new look fades in from startLevel.
    virtual void Paint(int newState, int startLevel);

    // Hooks. PaintFace answers non-zero when it drew the face itself.
    virtual int PaintFace(PaintContext& ctx, int state) = 0;
    // May draw more and move or resize the caption box; non-zero suppresses
    // the focus rectangle.
    virtual int PaintContent(PaintContext& ctx, int state, RectF& captionBox) = 0;
    // Any answer other than -1 is the control's answer to the message.
    virtual int PreviewMessage(canvas::Handle handle, UINT code, WPARAM wparam, LPARAM lparam) = 0;

    // The byte after the caption's first single "&" ("&&" draws one "&"), 0
    // when there is none.
    static int AccessKeyOf(const AnsiText& caption);

    // ---- the record ----
    int state = textState::kNormal;
    AnsiText text;
    ControlFont font;
    int effect = 0;
    Argb textColour = kDefaultTextColour;
    int rounded = 0;
    GdipStringFormatPtr format;
    Argb haloColour = 0;
    int textWidth = 0;
    int textHeight = 0;
    int autoTextColour = 0;

protected:
    // Sends the caption's access key to the host; 1 when registered.
    int RegisterAccessKey();
    // The caption colour: textColour, or white or black at its alpha over
    // the background when autoTextColour is set.
    Argb CaptionColour() const;
    // After a font change: measure again and repaint.
    void FontChanged();

private:
    void PaintDefaultFace(PaintContext& ctx, int state);
};

}  // namespace canvas
