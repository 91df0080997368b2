// The window background, frame and caption layout.
//
// PaintBackground paints picture or colour, icon, border and shadow into the
// back buffer, keeps that as the background layer that composing copies
// from, then draws every control over it and presents the window, or fades
// the new look in over the old one.
#include "canvas/controls/CaptionButton.h"
#include "canvas/controls/Colour.h"
#include "canvas/controls/Drawing.h"
#include "canvas/controls/Geometry.h"
#include "canvas/controls/Label.h"
#include "canvas/controls/TextDrawing.h"
#include "canvas/core/Background.h"
#include "canvas/core/CanvasHost.h"
#include "canvas/core/Composition.h"
#include "canvas/core/WindowEffects.h"
#include "canvas/services/Toolkit.h"

#include <algorithm>

namespace canvas {
namespace {

constexpr int kPictureFrame = 1;
constexpr int kSquareFrame = 0;
constexpr int kOpaque = 255;

// The frame leaves this margin for border and shadow: the inner rectangle is
// (5, 5, w - 10, h - 10).
constexpr float kFrameMargin = 5;
constexpr int kPaintRegionInset = 6, kPaintRegionEllipse = 4;
constexpr int kClientRegionInset = 7, kClientRegionEllipse = 3;
constexpr int kWindowRegionInset = 6, kWindowRegionEllipse = 5;
constexpr int kBlurInset = 6, kBlurEllipse = 6;

constexpr int kOuterBorderDiameter = 7, kInnerBorderDiameter = 6;
constexpr Rgb kOuterBorderColour = 0x000000, kInnerBorderColour = 0xFFFFFF;
constexpr int kBorderAlpha = 102;

constexpr int kIconPosition = 11, kIconSize = 16;

constexpr UINT kFadeIntervalMs = 50;
constexpr int kFadeStep = 51;

namespace picture_mode {
constexpr int kCorner = 0;
constexpr int kStretched = 1;
constexpr int kCentred = 2;
}  // namespace picture_mode

// Caption layout.
constexpr float kCaptionRightMargin = 5;
constexpr float kCloseExtra = 12;
constexpr float kCaptionButtonStep = 28;
constexpr float kCaptionButtonTop = 7;
constexpr float kTitleLeft = 11, kTitleLeftAfterIcon = 29;
constexpr float kTitleTop = 11, kTitleHeight = 18;

RectF WholeWindow(SIZE size) { return {0, 0, static_cast<float>(size.cx), static_cast<float>(size.cy)}; }

RectF InnerRect(SIZE size) {
    return {kFrameMargin, kFrameMargin, size.cx - 2 * kFrameMargin, size.cy - 2 * kFrameMargin};
}

HICON SmallIcon(HWND window) {
    auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
    return icon;
}

// The border: a dark outline and a light one inside it.
void PaintBorder(GpGraphics* g, SIZE size, int frameStyle) {
    RectF r = InnerRect(size);
    AdjustRect(r, 1, 1, -2, -2);
    const Argb outer = MakeArgb(kOuterBorderColour, kBorderAlpha);
    const Argb inner = MakeArgb(kInnerBorderColour, kBorderAlpha);
    if (frameStyle != kSquareFrame) {
        DrawRoundRect(g, r, kOuterBorderDiameter, outer);
        AdjustRect(r, 1, 1, -2, -2);
        DrawRoundRect(g, r, kInnerBorderDiameter, inner);
    } else {
        DrawBorder(g, r, outer);  // a colour as the style: a plain one-pixel frame
        AdjustRect(r, 1, 1, -2, -2);
        DrawBorder(g, r, inner);
    }
}

}  // namespace

void CanvasHost::PaintBackground(const BackgroundOptions& o) {
    StopBackgroundFade();  // a fade still running belongs to an older look
    const Handle self = handle;
    const int outerBusy = busy;  // an animation running meanwhile keeps its hold
    busy = 1;

    // Picture and theme colour: lent by the skin source's host while that
    // lives, else our own.
    CanvasHost* skin =
        (skinSource && skinSource != window && IsWindow(skinSource)) ? HostOfWindow(skinSource) : nullptr;
    if (skin && skin != this) {
        borrowedPicture = skin->pictureImage();
        themeColour = skin->themeColour;
    } else {
        borrowedPicture = nullptr;
        if (o.loadPicture) {
            picture.Release();
            if (!o.picture.empty()) picture = LoadPicture(o.picture);
            themeColour = static_cast<int>(AverageColour(back.dc(), picture.image()));
        }
        if (o.themeColour && *o.themeColour != -1) themeColour = *o.themeColour;
    }

    GpGraphics* g = back.graphics();
    const int w = size.cx, h = size.cy;
    if (!g || !background.dc() || w <= 0 || h <= 0) {
        busy = outerBusy;
        return;
    }
    const bool layered = windowAlpha != -1;
    const bool fadeIn = o.presentMode == kFadeIn;
    if (fadeIn && layered && fade.Create(nullptr, w, h)) {
        GdiFlush();
        BitBlt(fade.dc(), 0, 0, w, h, back.dc(), 0, 0, SRCCOPY);  // the old look
    }

    GdipResetClip(g);
    GdipGraphicsClear(g, MakeArgb(0, 0));
    GpImage* image = pictureImage();
    GdipRegionPtr paintClip;
    if (frameStyle == kPictureFrame) {
        if (image) {
            if (IsRectEmpty(&pictureCentre)) {
                DrawPictureAt(g, image, {0, 0, 0, 0}, false);
            } else {
                const RectF centre{static_cast<float>(pictureCentre.left), static_cast<float>(pictureCentre.top),
                                   static_cast<float>(pictureCentre.right - pictureCentre.left),
                                   static_cast<float>(pictureCentre.bottom - pictureCentre.top)};
                DrawNineGrid(g, image, WholeWindow(size), centre, 0, false);
            }
        }
    } else {
        paintClip = FrameClipRegion(w, h, kPaintRegionInset, kPaintRegionEllipse, frameStyle);
        if (paintClip) GdipSetClipRegion(g, paintClip.get(), Gdiplus::CombineModeReplace);
        if (image) {
            GdipGraphicsClear(g, MakeArgb(static_cast<Rgb>(themeColour), kOpaque));
            const auto pw = static_cast<float>(PictureWidth(image)), ph = static_cast<float>(PictureHeight(image));
            switch (pictureMode) {
                case picture_mode::kCorner:
                    GdipDrawImageRect(g, image, kFrameMargin, kFrameMargin, pw, ph);
                    BlendEdges(g, {0, 0, pw, ph}, static_cast<Rgb>(themeColour), {.bottom = true, .right = true});
                    break;
                case picture_mode::kStretched: {
                    const RectF inner = InnerRect(size);
                    GdipDrawImageRect(g, image, inner.x, inner.y, inner.width, inner.height);
                    break;
                }
                case picture_mode::kCentred: {
                    RectF r{(w - pw) / 2, (h - ph) / 2, pw, ph};
                    DrawPictureAt(g, image, r, true);
                    AdjustRect(r, -1, -1, 1, 1);
                    BlendEdges(g, r, static_cast<Rgb>(themeColour),
                               {.top = true, .left = true, .bottom = true, .right = true});
                    break;
                }
                default:
                    break;  // the theme colour alone
            }
            if (layered) {
                // The whole picture again, at the window's alpha.
                GdipFlush(g, Gdiplus::FlushIntentionSync);
                GdiFlush();
                GpBitmap* raw = nullptr;
                GdipCreateBitmapFromHBITMAP(back.dib(), nullptr, &raw);
                const GdipImagePtr copy(AsImage(raw));
                GdipGraphicsClear(g, MakeArgb(0, 0));
                if (copy) DrawAtAlpha(g, copy.get(), WholeWindow(size), windowAlpha);
            }
        } else {
            GdipGraphicsClear(g, MakeArgb(static_cast<Rgb>(themeColour), layered ? windowAlpha : kOpaque));
        }
        if (captionFlags & caption::kIcon) {
            if (HICON icon = SmallIcon(window)) {
                GdipFlush(g, Gdiplus::FlushIntentionSync);
                GdiFlush();
                DrawIconEx(back.dc(), kIconPosition, kIconPosition, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
            }
        }
    }

    // The application's routine and the controls' repaints may take the
    // window or the host away, or paint the background again themselves.
    const auto abandoned = [&] {
        if (HostFromHandle(self) != this) return true;
        if (back.graphics() == g) return false;
        busy = outerBusy;
        return true;
    };
    if (onPaintBackground) {
        const HostPaintRoutine routine = onPaintBackground;
        routine(window, g, w, h);
        if (abandoned()) return;
    }

    if (frameStyle != kPictureFrame) {
        PaintBorder(g, size, frameStyle);
        GdipResetClip(g);
        paintClip.reset();
        if (!layered) {
            SetWindowRegion(window, w, h, kWindowRegionInset, kWindowRegionEllipse, frameStyle);
        } else {
            PaintShadow(g, InnerRect(size), frameStyle, shadowColour == -1 ? 0 : static_cast<Rgb>(shadowColour));
        }
    } else if (!layered) {
        // A picture frame has no region; drop one left from another frame style.
        const UniqueRegion current(CreateRectRgn(0, 0, 0, 0));
        if (current && GetWindowRgn(window, current.get()) != ERROR) SetWindowRgn(window, nullptr, TRUE);
    }

    GdipFlush(g, Gdiplus::FlushIntentionSync);
    GdiFlush();
    BitBlt(background.dc(), 0, 0, w, h, back.dc(), 0, 0, SRCCOPY);

    clientClip.reset();
    if (frameStyle != kPictureFrame) {
        clientClip = FrameClipRegion(w, h, kClientRegionInset, kClientRegionEllipse, frameStyle);
        if (clientClip) GdipSetClipRegion(g, clientClip.get(), Gdiplus::CombineModeReplace);
    }
    redrawQueue.Init(window, handle);
    LayoutCaption();
    DrawControlsAll(firstControl, g, true);
    if (abandoned()) return;
    GdipResetClip(g);
    GdipFlush(g, Gdiplus::FlushIntentionSync);

    busy = outerBusy;
    if (blur && layered)
        SetBlur(window, {kBlurInset, kBlurInset, w - (kBlurInset - 1), h - (kBlurInset - 1)}, kBlurEllipse, frameStyle,
                OrSystem(compositor), osMajorVersion);

    if (o.presentMode == kPresentNow) {
        Present();
    } else if (fadeIn) {
        busy = 1;
        fading = 1;
        fadeAlpha = 0;
        SetTimer(window, handle, kFadeIntervalMs, nullptr);
    }
}

void CanvasHost::FadeTick() {
    if (!fading) {
        if (window) KillTimer(window, handle);  // a late tick of a fade already stopped
        return;
    }
    const bool layered = windowAlpha != -1;
    HDC target = layered ? fade.dc() : windowDc;
    if (layered && target) canvas::PushLayered(window, target, size);
    if (fadeAlpha < kOpaque && target && back.dc()) {
        fadeAlpha = std::min(fadeAlpha + kFadeStep, kOpaque);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(fadeAlpha), 0};
        GdiFlush();
        GdiAlphaBlend(target, 0, 0, size.cx, size.cy, back.dc(), 0, 0, size.cx, size.cy, blend);
        return;
    }
    StopBackgroundFade();
    if (layered) PushLayered();
    Compose(WholeWindow(size), true);
}

void CanvasHost::StopBackgroundFade() {
    if (!fading) return;
    fading = 0;
    if (window) KillTimer(window, handle);
    fade.Release();
    busy = 0;
}

void CanvasHost::LayoutCaption() {
    if (captionFlags == 0) return;
    float x = static_cast<float>(size.cx) - kCaptionRightMargin;
    if (captionFlags & caption::kClose) x -= kCloseExtra;
    for (const auto& button : captionButtons) {
        if (!button) continue;
        x -= kCaptionButtonStep;
        button->Move(x, kCaptionButtonTop, {}, {}, false);
    }
    if ((captionFlags & caption::kTitle) && titleLabel) {
        const float left = (captionFlags & caption::kIcon) ? kTitleLeftAfterIcon : kTitleLeft;
        titleLabel->Move(left, kTitleTop, std::max(x - left, 0.0f), kTitleHeight, false);
        titleLabel->RequestRepaint();
    }
}

void CanvasHost::CreateCaption() {
    // The title: white with a glow, or black over a light background.
    constexpr int kTitleTextAlpha = 250;
    constexpr int kTrimEllipsis = Gdiplus::StringTrimmingEllipsisCharacter;
    constexpr int kMaxTitle = 255;
    // Buttons go right to left from here; LayoutCaption places them for good.
    constexpr int kFirstButtonRight = 12;
    constexpr int kButtonTop = 7;
    constexpr int kButtonKinds[] = {caption::kClose,  caption::kMaximize, caption::kMinimize, caption::kExtra1,
                                    caption::kExtra2, caption::kExtra3,   caption::kExtra4};

    if (captionFlags & caption::kTitle) {
        char title[kMaxTitle + 1] = {};
        GetWindowTextA(window, title, sizeof title);
        auto label = std::make_unique<Label>();
        label->Create(window, 0, static_cast<int>(kTitleTop), 0, static_cast<int>(kTitleHeight), title,
                      {.textColour = MakeArgb(0xFFFFFF, kTitleTextAlpha), .wordWrap = 0, .autoTextColour = 1,
                       .trimming = kTrimEllipsis, .effect = textEffect::kGlow});
        titleLabel = std::move(label);
    }
    int x = size.cx - kFirstButtonRight;
    for (const int buttonKind : kButtonKinds) {
        if (!(captionFlags & buttonKind)) continue;
        const int width = buttonKind == caption::kClose ? CaptionButton::kCloseWidth : CaptionButton::kButtonWidth;
        x -= width;
        auto button = std::make_unique<CaptionButton>();
        button->Create(window, x, kButtonTop, width, CaptionButton::kHeight, buttonKind);
        captionButtons.push_back(std::move(button));
    }
}

void CanvasHost::SetTitleText(const AnsiText& text) {
    if (auto* label = dynamic_cast<Label*>(titleLabel.get())) label->Text(text);
}

}  // namespace canvas
