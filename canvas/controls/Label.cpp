#include "canvas/controls/Label.h"

#include "canvas/controls/CaptionSize.h"
#include "canvas/controls/ControlPaint.h"
#include "canvas/controls/Drawing.h"
#include "canvas/controls/StringFormat.h"
#include "canvas/controls/TextDrawing.h"
#include "canvas/core/CanvasHost.h"


namespace canvas {
namespace {

constexpr float kContentMargin = 2;
// A top- or bottom-aligned caption keeps this much more from the edge.
constexpr float kAlignInset = 2;
// A wrapping caption's box runs this far below the label, so the last line
// that starts inside is drawn whole and cut by the clip.
constexpr float kWrapOverrun = 3;
constexpr int kHotkeyPrefixNone = 0;

}  // namespace

canvas::Handle Label::Create(ControlParent parent, int x, int y, int width, int height, const AnsiText& caption,
                             const LabelOptions& o) {
    if (handle && HandleTable::Find(handle) == this) return handle;  // created already
    text = caption;
    textColour = o.textColour.value_or(kDefaultTextColour);
    backMode = o.backMode.value_or(0);
    backColour1 = o.backColour1.value_or(0);
    backColour2 = o.backColour2.value_or(0);
    wordWrap = o.wordWrap.value_or(0);
    autoTextColour = o.autoTextColour.value_or(0);
    effect = o.effect.value_or(textEffect::kPlain);
    haloColour = o.haloColour.value_or(0);
    border = o.border.value_or(border::kNone);
    verticalAlign = verticalAlign::kCentre;
    font.Choose(o.fontName, o.fontSize, o.fontStyle);

    StringFormat wrapper;
    wrapper.Create(kNoWrapFlags, LANG_NEUTRAL, false);
    wrapper.Align(o.alignment.value_or(Gdiplus::StringAlignmentNear));
    wrapper.Trimming(o.trimming.value_or(Gdiplus::StringTrimmingNone));
    wrapper.HotkeyPrefix(kHotkeyPrefixNone);  // an "&" is a plain character here
    if (wordWrap) wrapper.Flags(kWrapFlags);
    format = wrapper.Take();

    const RectF rect{static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                     static_cast<float>(height)};
    return CanvasControl::Create(parent, rect, kind::kLabel, o.visible.value_or(1), 0, {}, 0);
}

int Label::HandleMessage(canvas::Handle h, UINT code, WPARAM wparam, LPARAM lparam) {
    const int preview = PreviewMessage(h, code, wparam, lparam);
    if (preview != -1) return preview;
    switch (code) {
        case WM_CREATE:
            MeasureCaption();
            Created(h);
            break;
        case WM_DESTROY:
            text.clear();
            ReleaseFont();
            format.reset();
            break;
        case WM_PAINT:
        case notify::kRepaintNow:  // the background changed: an automatic colour may have to follow
            Paint();
            break;
        case WM_TIMER:
            FadeLevel(FadeLevel() + kFadeStep);
            Invalidate();
            break;
        case notify::kGotFocus:
        case notify::kLostFocus:
            if (focusable) Paint();
            break;
        case notify::kSizeChanged:
            MeasureCaption();
            break;
        default:
            break;
    }
    return -1;
}

float Label::LineHeight() const {
    float lineHeight = 0;
    if (font.get() && graphics) GdipGetFontHeight(font.get(), graphics.get(), &lineHeight);
    return lineHeight;
}

void Label::MeasureCaption() {
    const CaptionSize size = wordWrap ? MeasureCaptionUnbounded(graphics.get(), text, font.get(), format.get())
                                      : MeasureCaptionLine(graphics.get(), text, font.get(), format.get(), bounds);
    textWidth = size.width;
    textHeight = size.height;
}

AnsiText Label::Text(std::optional<AnsiText> value) {
    if (value && handle) {
        text = std::move(*value);
        MeasureCaption();
        RequestRepaint();
    }
    return text;
}

Argb Label::TextColour(std::optional<Argb> value) { return Store(textColour, value); }
Argb Label::HaloColour(std::optional<Argb> value) { return Store(haloColour, value); }
Argb Label::BackColour1(std::optional<Argb> value) { return Store(backColour1, value); }
Argb Label::BackColour2(std::optional<Argb> value) { return Store(backColour2, value); }
int Label::BackMode(std::optional<int> value) { return Store(backMode, value); }
int Label::VerticalAlign(std::optional<int> value) { return Store(verticalAlign, value); }
int Label::Effect(std::optional<int> value) { return Store(effect, value); }
Argb Label::Border(std::optional<Argb> value) { return Store(border, value); }
int Label::AutoTextColour(std::optional<int> value) { return Store(autoTextColour, value); }

AnsiText Label::FontName(std::optional<AnsiText> name) {
    if (name && handle && font.SetFamily(*name)) {
        MeasureCaption();
        RequestRepaint();
    }
    return font.FamilyName();
}

int Label::FontStyle(std::optional<int> style) {
    if (style && handle && font.SetStyle(*style)) {
        MeasureCaption();
        RequestRepaint();
    }
    return font.Style();
}

int Label::FontSize(std::optional<float> size) {
    if (size && handle && font.SetSize(*size)) {
        MeasureCaption();
        RequestRepaint();
    }
    return static_cast<int>(font.Size());
}

GpFont* Label::Font(GdipFontPtr value) {
    if (!handle) {
        ControlFont::Discard(std::move(value));
        return font.get();
    }
    font.Adopt(std::move(value));
    MeasureCaption();
    RequestRepaint();
    return font.get();
}

GpStringFormat* Label::Format(GdipStringFormatPtr value) {
    if (handle) {
        format = std::move(value);
        MeasureCaption();
        RequestRepaint();
    }
    return format.get();
}

int Label::Alignment(std::optional<int> value) {
    Gdiplus::StringAlignment current = Gdiplus::StringAlignmentNear;
    if (!format) return current;
    if (value && handle) {
        GdipSetStringFormatAlign(format.get(), static_cast<Gdiplus::StringAlignment>(*value));
        RequestRepaint();
    }
    GdipGetStringFormatAlign(format.get(), &current);
    return current;
}

int Label::Trimming(std::optional<int> value) {
    Gdiplus::StringTrimming current = Gdiplus::StringTrimmingNone;
    if (!format) return current;
    if (value && handle) {
        GdipSetStringFormatTrimming(format.get(), static_cast<Gdiplus::StringTrimming>(*value));
        RequestRepaint();
    }
    GdipGetStringFormatTrimming(format.get(), &current);
    return current;
}

int Label::FormatFlags(std::optional<int> value) {
    INT current = 0;
    if (!format) return current;
    if (value && handle) {
        GdipSetStringFormatFlags(format.get(), *value);
        RequestRepaint();
    }
    GdipGetStringFormatFlags(format.get(), &current);
    return current;
}

int Label::WordWrap(std::optional<int> value) {
    if (value && handle) {
        wordWrap = *value;
        if (format) GdipSetStringFormatFlags(format.get(), wordWrap ? kWrapFlags : kNoWrapFlags);
        RequestRepaint();
    }
    return wordWrap;
}

void Label::ReleaseFont() { font.Release(); }

void Label::AdjustTextBox(RectF&) {}

int Label::PreviewMessage(canvas::Handle, UINT, WPARAM, LPARAM) { return -1; }

void Label::Created(canvas::Handle) {}

Argb Label::CaptionColour() const {
    if (!autoTextColour) return textColour;
    constexpr Rgb kWhite = 0xFFFFFF, kBlack = 0x000000;
    const int alpha = static_cast<int>(textColour >> 24);
    return MakeArgb(IsBackgroundDark(hostWindow, bounds) ? kWhite : kBlack, alpha);
}

void Label::Paint() {
    PaintContext ctx;
    if (!BeginControlPaint(*this, ctx)) return;
    GpGraphics* g = ctx.graphics;
    if (!g) {
        EndControlPaint(*this, ctx);
        return;
    }
    const RectF rect = ctx.rect;
    const float w = rect.width, h = rect.height;
    // The border goes over the background: under it, an opaque background
    // would hide its top and left edges.
    if (backMode != kNoBackground) FillGradientRect(g, rect, backColour1, backColour2, backMode);
    if (border != border::kNone) DrawBorder(g, rect, border);

    if (!text.empty()) {
        const RectF content{kContentMargin, kContentMargin, w - 2 * kContentMargin, h - 2 * kContentMargin};
        ClipToRect(g, content, Gdiplus::CombineModeReplace);
        RectF textBox;
        if (wordWrap) {
            textBox = {content.x, content.y, content.width, h + LineHeight() + kWrapOverrun};
        } else {
            float y = content.y;
            switch (verticalAlign) {
                case verticalAlign::kTop: y = content.y + kAlignInset; break;
                case verticalAlign::kCentre: y = content.y + (content.height - textHeight) / 2; break;
                case verticalAlign::kBottom: y = content.y + content.height - textHeight - kAlignInset; break;
                default: break;
            }
            textBox = {content.x, y, content.width, static_cast<float>(textHeight)};
        }
        AdjustTextBox(textBox);
        PaintText(g, textBox, text, font.get(), CaptionColour(), format.get(), effect, haloColour);
        ClearClip(g);
        const CanvasHost* hostObject = ctx.refs.host;
        if (hostObject && hostObject->focusCue == handle) DrawBorder(g, rect, border::kDashed);
    }
    EndControlPaint(*this, ctx);
}

}  // namespace canvas
