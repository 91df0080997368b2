#include "canvas/controls/TextControl.h"

#include "canvas/controls/CaptionSize.h"
#include "canvas/controls/Drawing.h"
#include "canvas/controls/Geometry.h"
#include "canvas/controls/StringFormat.h"
#include "canvas/controls/TextDrawing.h"
#include "canvas/core/CanvasHost.h"

#include <array>

namespace canvas {
namespace {

// One face look: colours (RGB) and alphas by part. The gradient's two
// colour entries are unused, the gradient takes the theme colour.
struct FaceTable {
    std::array<Rgb, 6> colour;
    std::array<int, 6> alpha;
};
enum FacePart { kFill = 0, kGradientTop = 1, kGradientBottom = 2, kOuterBorder = 3, kInnerBorder = 4, kShadow = 5 };

constexpr FaceTable kNormalFace{{0xECECEC, 0, 0, 0x000000, 0xFFFFFF, 0x000000}, {204, 0, 102, 80, 51, 25}};
constexpr FaceTable kHotFace{{0xECECEC, 0, 0, 0x000000, 0xFFFFFF, 0x000000}, {204, 21, 153, 70, 51, 30}};
constexpr FaceTable kPressedFace{{0xECECEC, 0, 0xECECEC, 0x000000, 0xFFFFFF, 0x000000}, {204, 153, 21, 70, 51, 10}};
constexpr FaceTable kFocusedFace{{0xECECEC, 0, 0, 0x000000, 0xFFFFFF, 0x000000}, {204, 51, 153, 80, 61, 25}};

const FaceTable& FaceFor(int state) {
    switch (state) {
        case textState::kHot: return kHotFace;
        case textState::kPressed: return kPressedFace;
        case textState::kFocused: return kFocusedFace;
        default: return kNormalFace;
    }
}

// Where the new look of each change fades in from.
constexpr int kEnterFadeStart = 51;
constexpr int kLeaveFadeStart = 51;
constexpr int kPressFadeStart = 153;
constexpr int kReleaseFadeStart = 153;
constexpr int kFocusFadeStart = 204;
constexpr int kBlurFadeStart = 102;
constexpr int kNoFade = CanvasControl::kFullAlpha;

constexpr int kClipDiameter = 4;
constexpr float kFaceDiameter = 3;
constexpr float kContentMargin = 3;
constexpr float kCaptionNudge = 1;    // the caption sits one pixel right of centre
// The dashed focus rectangle: (2, 2, w - 6, h - 6).
constexpr float kFocusInset = 2;
constexpr float kFocusShrink = 5;
constexpr int kStringFormatNoWrap = 0x1000;
constexpr int kHotkeyPrefixShow = 1;
constexpr char kAccessKeyMarker = '&';

}  // namespace

int TextControl::AccessKeyOf(const AnsiText& caption) {
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != kAccessKeyMarker) continue;
        if (i + 1 >= caption.size()) return 0;
        if (caption[i + 1] == kAccessKeyMarker) {
            ++i;  // "&&" is a plain "&"
            continue;
        }
        return static_cast<unsigned char>(caption[i + 1]);
    }
    return 0;
}

canvas::Handle TextControl::Create(ControlParent parent, int x, int y, int width, int height, const AnsiText& caption,
                                   const TextControlOptions& o) {
    if (handle && HandleTable::Find(handle) == this) return handle;  // created already
    text = caption;
    textColour = o.textColour.value_or(kDefaultTextColour);
    effect = o.effect.value_or(textEffect::kPlain);
    haloColour = o.haloColour.value_or(0);
    if (o.rounded) {
        rounded = *o.rounded;
    } else {
        const CanvasHost* hostObject = parent.window ? HostOfWindow(parent.window) : nullptr;
        rounded = hostObject ? hostObject->frameStyle : 0;
    }
    font.Choose(o.fontName, o.fontSize, o.fontStyle);

    StringFormat wrapper;
    wrapper.Create(kStringFormatNoWrap, LANG_NEUTRAL, false);
    wrapper.Align(Gdiplus::StringAlignmentNear);
    wrapper.Trimming(Gdiplus::StringTrimmingNone);
    wrapper.HotkeyPrefix(kHotkeyPrefixShow);
    format = wrapper.Take();

    const RectF rect{static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                     static_cast<float>(height)};
    return CanvasControl::Create(parent, rect, kind::kButton, o.visible.value_or(1), 1, {}, kFadePeriodMs);
}

int TextControl::HandleMessage(canvas::Handle h, UINT code, WPARAM wparam, LPARAM lparam) {
    const int preview = PreviewMessage(h, code, wparam, lparam);
    if (preview != -1) return preview;
    switch (code) {
        case WM_CREATE:
            RegisterAccessKey();
            MeasureCaption();
            break;
        case WM_DESTROY:
            ReleaseFont();
            format.reset();
            text.clear();
            break;
        case WM_PAINT:
        case notify::kRepaintNow:
            Paint(state, kNoFade);
            break;
        case WM_TIMER:
            FadeLevel(FadeLevel() + kFadeStep);
            Invalidate();
            break;
        case notify::kMouseEnter:
            Paint(textState::kHot, kEnterFadeStart);
            break;
        case notify::kMouseLeave:
            Paint(textState::kNormal, kLeaveFadeStart);
            break;
        case WM_LBUTTONDOWN:
            if (focusable) Paint(textState::kPressed, kPressFadeStart);
            break;
        case WM_LBUTTONUP:
            if (focusable) Paint(textState::kHot, kReleaseFadeStart);
            break;
        case notify::kGotFocus:
            Paint(textState::kFocused, kFocusFadeStart);
            break;
        case notify::kLostFocus:
            Paint(textState::kNormal, kBlurFadeStart);
            break;
        case notify::kSizeChanged:
            MeasureCaption();
            break;
        default:
            break;
    }
    return -1;
}

int TextControl::RegisterAccessKey() {
    if (!handle || !hostWindow) return 0;
    return static_cast<int>(
        SendMessageA(hostWindow, hostmsg::kSetAccessKey, static_cast<WPARAM>(handle), AccessKeyOf(text)));
}

void TextControl::MeasureCaption() {
    const CaptionSize size = MeasureCaptionLine(graphics.get(), text, font.get(), format.get(), bounds);
    textWidth = size.width;
    textHeight = size.height;
}

AnsiText TextControl::Text(std::optional<AnsiText> value) {
    if (value && handle) {
        text = std::move(*value);
        RegisterAccessKey();
        MeasureCaption();
        RequestRepaint();
    }
    return text;
}

Argb TextControl::TextColour(std::optional<Argb> value) {
    if (value && handle) {
        textColour = *value;
        RequestRepaint();
    }
    return textColour;
}

int TextControl::Effect(std::optional<int> value) {
    if (value && handle) {
        effect = *value;
        RequestRepaint();
    }
    return effect;
}

Argb TextControl::HaloColour(std::optional<Argb> value) {
    if (value && handle) {
        haloColour = *value;
        RequestRepaint();
    }
    return haloColour;
}

int TextControl::Rounded(std::optional<int> value) {
    if (value && handle) {
        rounded = *value;
        RequestRepaint();
    }
    return rounded;
}

int TextControl::AutoTextColour(std::optional<int> value) {
    if (value && handle) {
        autoTextColour = *value;
        RequestRepaint();
    }
    return autoTextColour;
}

void TextControl::FontChanged() {
    MeasureCaption();
    RequestRepaint();
}

AnsiText TextControl::FontName(std::optional<AnsiText> name) {
    if (name && handle && font.SetFamily(*name)) FontChanged();
    return font.FamilyName();
}

int TextControl::FontStyle(std::optional<int> style) {
    if (style && handle && font.SetStyle(*style)) FontChanged();
    return font.Style();
}

int TextControl::FontSize(std::optional<float> size) {
    if (size && handle && font.SetSize(*size)) FontChanged();
    return static_cast<int>(font.Size());
}

GpFont* TextControl::Font(GdipFontPtr value) {
    if (!handle) {
        ControlFont::Discard(std::move(value));
        return font.get();
    }
    font.Adopt(std::move(value));
    FontChanged();
    return font.get();
}

GpStringFormat* TextControl::Format(GdipStringFormatPtr value) {
    if (handle) {
        format = std::move(value);
        FontChanged();
    }
    return format.get();
}

void TextControl::ReleaseFont() { font.Release(); }

Argb TextControl::CaptionColour() const {
    if (!autoTextColour) return textColour;
    constexpr Rgb kWhite = 0xFFFFFF, kBlack = 0x000000;
    const int alpha = static_cast<int>(textColour >> 24);
    return MakeArgb(IsBackgroundDark(hostWindow, bounds) ? kWhite : kBlack, alpha);
}

void TextControl::PaintDefaultFace(PaintContext& ctx, int faceState) {
    GpGraphics* g = ctx.graphics;
    const float w = ctx.rect.width, h = ctx.rect.height;
    const FaceTable& face = FaceFor(faceState);
    const auto part = [&](FacePart p) { return MakeArgb(face.colour[p], face.alpha[p]); };
    const Rgb theme = ctx.refs.host ? static_cast<Rgb>(ctx.refs.host->themeColour) : 0;

    RectF box{0, 0, w - 1, h - 1};
    GdipPathPtr clip;
    if (rounded) {
        clip = CreateRoundRectPath({0, 0, w, h}, kClipDiameter, Gdiplus::FillModeAlternate);
        ClipToPath(g, clip.get(), Gdiplus::CombineModeReplace);
    }
    FillRoundRect(g, box, kFaceDiameter, part(kFill));
    FillGradientRect(g, box, MakeArgb(theme, face.alpha[kGradientTop]), MakeArgb(theme, face.alpha[kGradientBottom]),
                     Gdiplus::LinearGradientModeVertical);
    if (rounded) {
        clip.reset();
        ClearClip(g);
        DrawRoundRect(g, box, kFaceDiameter, part(kOuterBorder));
        AdjustRect(box, 1, 1, -2, -2);
        DrawRoundRect(g, box, kFaceDiameter, part(kInnerBorder));
    } else {
        DrawBorder(g, box, part(kOuterBorder));  // a colour as the style: a plain frame
        AdjustRect(box, 1, 1, -2, -2);
        DrawBorder(g, box, part(kInnerBorder));
    }
    // The shadow along the bottom: (1, h - 1) to (w - 3, h - 1).
    StrokeLine(g, part(kShadow), box.x, box.height + 2, box.width, box.height + 2);
}

void TextControl::Paint(int newState, int startLevel) {
    state = newState;
    FadeLevel(startLevel);
    PaintContext ctx;
    if (!BeginControlPaint(*this, ctx)) return;
    GpGraphics* g = ctx.graphics;
    if (!g) {
        EndControlPaint(*this, ctx);
        return;
    }
    const float w = ctx.rect.width, h = ctx.rect.height;
    if (PaintFace(ctx, newState) == 0) PaintDefaultFace(ctx, newState);

    const RectF content{kContentMargin, kContentMargin, w - 2 * kContentMargin, h - 2 * kContentMargin};
    const float pressed = newState == textState::kPressed ? 1.0f : 0.0f;
    ClipToRect(g, content, Gdiplus::CombineModeReplace);
    RectF captionBox{content.x + (content.width - textWidth) / 2 + pressed + kCaptionNudge,
                     content.y + (content.height - textHeight) / 2 + pressed, static_cast<float>(textWidth),
                     static_cast<float>(textHeight)};
    const int drewContent = PaintContent(ctx, newState, captionBox);
    PaintText(g, captionBox, text, font.get(), CaptionColour(), format.get(), effect, haloColour);
    ClearClip(g);

    if (drewContent == 0 && ctx.refs.host && ctx.refs.host->focusCue == handle)
        DrawBorder(g, {kFocusInset, kFocusInset, w - kFocusShrink, h - kFocusShrink}, border::kDashed);
    EndControlPaint(*this, ctx);
}

}  // namespace canvas
