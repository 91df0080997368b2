#include "ControlPixels.h"
#include "TestWindow.h"

#include "canvas/controls/Drawing.h"
#include "canvas/controls/Label.h"
#include "canvas/controls/TextDrawing.h"
#include "canvas/services/Fonts.h"

#include <gtest/gtest.h>

using namespace canvas;
using controls_test::Alpha;
using controls_test::Ink;
using controls_test::InkBox;
using controls_test::PixelOf;
using testing_support::TestWindow;

namespace {

constexpr int kW = 160, kH = 40;

// Remembers the caption box of its last paint.
class ProbeLabel : public Label {
public:
    void AdjustTextBox(RectF& box) override { textBox = box; }
    RectF textBox;
};

bool Drawn(std::uint32_t p) { return Alpha(p) != 0; }

}  // namespace

TEST(LabelLayout, VerticalAlignmentKeepsFourPixelsFromTopOrBottom) {
    struct Case {
        int align;
        float expectedY;  // before the text height is known: see below
    };
    TestWindow t;
    ProbeLabel l;
    ASSERT_NE(l.Create(t.hwnd, 10, 10, kW, kH, "Align 对齐"), 0u);
    ASSERT_GT(l.textHeight, 0);
    const float th = static_cast<float>(l.textHeight);
    const Case cases[] = {
        {verticalAlign::kTop, 4},
        {verticalAlign::kCentre, 2 + (kH - 4 - th) / 2},
        {verticalAlign::kBottom, kH - 4 - th},
        {7, 2},  // anything else: the top of the content box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.align);
        l.VerticalAlign(c.align);
        t.Pump();
        EXPECT_FLOAT_EQ(l.textBox.y, c.expectedY);
        EXPECT_FLOAT_EQ(l.textBox.x, 2);
        EXPECT_FLOAT_EQ(l.textBox.width, kW - 4);
        EXPECT_FLOAT_EQ(l.textBox.height, th);
        const InkBox ink = Ink(l, Drawn);
        ASSERT_TRUE(ink.found);
        EXPECT_GE(ink.top, static_cast<int>(c.expectedY));
        EXPECT_LE(ink.bottom, static_cast<int>(c.expectedY + th));
    }
}

TEST(LabelLayout, AlignmentPlacesTheCaptionInsideTheTwoPixelMargin) {
    TestWindow t;
    Label nearLabel, centreLabel, farLabel;
    nearLabel.Create(t.hwnd, 10, 10, kW, kH, "Text", {.alignment = Gdiplus::StringAlignmentNear});
    centreLabel.Create(t.hwnd, 10, 60, kW, kH, "Text", {.alignment = Gdiplus::StringAlignmentCenter});
    farLabel.Create(t.hwnd, 10, 110, kW, kH, "Text", {.alignment = Gdiplus::StringAlignmentFar});
    const InkBox n = Ink(nearLabel, Drawn), c = Ink(centreLabel, Drawn), f = Ink(farLabel, Drawn);
    ASSERT_TRUE(n.found && c.found && f.found);
    EXPECT_LE(n.left, 5);
    EXPECT_GE(f.right, kW - 6);
    EXPECT_LE(f.right, kW - 3);
    EXPECT_NEAR((c.left + c.right) / 2.0, kW / 2.0, 3);
    EXPECT_EQ(centreLabel.Alignment(), Gdiplus::StringAlignmentCenter);
    EXPECT_EQ(nearLabel.Alignment(Gdiplus::StringAlignmentFar), Gdiplus::StringAlignmentFar);
}

TEST(LabelLayout, WithoutWrapALongCaptionStaysOneLineCutAtTheContentBox) {
    TestWindow t;
    Label l, one;
    l.Create(t.hwnd, 10, 10, kW, kH, "这是一个很长很长的标签，没有自动换行，所以它在右边被裁掉");
    one.Create(t.hwnd, 10, 60, kW, kH, "这");
    EXPECT_EQ(l.textHeight, one.textHeight);
    const InkBox ink = Ink(l, Drawn);
    ASSERT_TRUE(ink.found);
    // Cut at the content box, or at the last character that fits in it.
    EXPECT_LE(ink.right, kW - 3);
    EXPECT_GT(ink.right, kW * 3 / 4);
    EXPECT_LE(ink.bottom - ink.top, one.textHeight);
}

TEST(LabelLayout, WordWrapBreaksInsideTheWidthAndTheClipCutsWhatRunsBelow) {
    TestWindow t;
    constexpr int kWrapH = 36;  // two lines and a bit
    Label l;
    l.Create(t.hwnd, 10, 10, kW, kWrapH, "自动换行的一段文字：欢迎使用本程序，这里的文字会在标签内换行，超出底部的部分被裁掉。",
             {.wordWrap = 1});
    EXPECT_EQ(l.FormatFlags(), Label::kWrapFlags);
    const InkBox ink = Ink(l, Drawn);
    ASSERT_TRUE(ink.found);
    EXPECT_GE(ink.left, 2);
    EXPECT_LE(ink.right, kW - 3);
    EXPECT_GE(ink.top, 2);
    EXPECT_EQ(ink.bottom, kWrapH - 3) << "the second line runs into the bottom margin and is cut there";
    EXPECT_GT(ink.bottom - ink.top, l.textHeight) << "more than one line";

    // Turning wrapping off puts the flags back to one line.
    EXPECT_EQ(l.WordWrap(0), 0);
    EXPECT_EQ(l.FormatFlags(), Label::kNoWrapFlags);
}

TEST(LabelLayout, AmpersandIsAPlainCharacterAndRegistersNoKey) {
    TestWindow t;
    Label withAmpersand, without;
    withAmpersand.Create(t.hwnd, 10, 10, kW, kH, "A&B");
    without.Create(t.hwnd, 10, 60, kW, kH, "AB");
    EXPECT_GT(withAmpersand.textWidth, without.textWidth);
    EXPECT_TRUE(t.host.accessKeys.empty());
}

TEST(LabelFormat, ReadingTrimmingAndFlagsChangesNothing) {
    TestWindow t;
    Label l;
    l.Create(t.hwnd, 10, 10, kW, kH, "Format", {.trimming = Gdiplus::StringTrimmingEllipsisCharacter});
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(l.Trimming(), Gdiplus::StringTrimmingEllipsisCharacter);
        EXPECT_EQ(l.FormatFlags(), Label::kNoWrapFlags);
    }
    EXPECT_EQ(l.Trimming(Gdiplus::StringTrimmingWord), Gdiplus::StringTrimmingWord);
    EXPECT_EQ(l.FormatFlags(Label::kNoWrapFlags | Gdiplus::StringFormatFlagsNoClip),
              Label::kNoWrapFlags | Gdiplus::StringFormatFlagsNoClip);
}

TEST(LabelBackground, GradientModesAndTransparentColours) {
    struct Case {
        int backMode;
        Argb from, to;
        // Plain ARGB expected near the left/top and the right/bottom ends.
        std::uint32_t topLeft, topRight, bottomLeft;
    };
    constexpr Argb kRed = 0xFFFF0000, kBlue = 0xFF0000FF;
    const Case cases[] = {
        {Label::kNoBackground, kRed, kBlue, 0, 0, 0},
        {0, 0, 0, 0, 0, 0},  // "no colour" is fully transparent
        {0, kRed, kBlue, kRed, kBlue, kRed},  // horizontal
        {1, kRed, kBlue, kRed, kRed, kBlue},  // vertical
    };
    TestWindow t;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.backMode);
        SCOPED_TRACE(c.from);
        Label l;
        l.Create(t.hwnd, 10, 10, kW, kH, "", {.backMode = c.backMode, .backColour1 = c.from, .backColour2 = c.to});
        const auto closeTo = [](std::uint32_t actual, std::uint32_t expected) {
            for (int shift = 0; shift < 32; shift += 8)
                if (std::abs(static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) > 24)
                    return false;
            return true;
        };
        EXPECT_PRED2(closeTo, PixelOf(l, 1, 1), c.topLeft);
        EXPECT_PRED2(closeTo, PixelOf(l, kW - 3, 1), c.topRight);
        EXPECT_PRED2(closeTo, PixelOf(l, 1, kH - 3), c.bottomLeft);
        if (c.from == 0 && c.to == 0) {
            EXPECT_FALSE(Ink(l, Drawn).found);
        }
    }
}

TEST(LabelBorder, StylesAndColourFramesShowOverAnOpaqueBackground) {
    struct Case {
        Argb border;
        std::uint32_t top, bottom;  // at the middle of the top and bottom edges
    };
    const Case cases[] = {
        {border::kSingle, 0xFE646464, 0xFE646464},
        {0xFFFF0000, 0xFFFF0000, 0xFFFF0000},  // a colour as the style
        {border::kSunken, 0xFF000000, 0xFFFFFFFF},
        {border::kRaised, 0xFFFFFFFF, 0xFF000000},
    };
    TestWindow t;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.border);
        Label l;
        l.Create(t.hwnd, 10, 10, kW, kH, "", {.backMode = 1, .backColour1 = 0xFF808080, .backColour2 = 0xFF808080,
                                             .border = c.border});
        // Over the grey the edge takes the frame's colour (or leans to it).
        const auto towards = [](std::uint32_t pixel, std::uint32_t frame) {
            const int p = static_cast<int>(pixel & 0xFF), f = static_cast<int>(frame & 0xFF);
            return std::abs(p - f) < std::abs(0x80 - f) - 20;
        };
        EXPECT_PRED2(towards, PixelOf(l, kW / 2, 0), c.top);
        EXPECT_PRED2(towards, PixelOf(l, kW / 2, kH - 1), c.bottom);
        EXPECT_EQ(PixelOf(l, kW / 2, kH / 2) & 0xFFFFFF, 0x808080u) << "inside stays the background";
    }
}

TEST(LabelFocus, DashedFrameOnlyWithACaptionAndTheFocusCue) {
    TestWindow t;
    Label withText, empty;
    withText.Create(t.hwnd, 10, 10, kW, kH, "Focus");
    empty.Create(t.hwnd, 10, 60, kW, kH, "");
    withText.Focusable(1);
    empty.Focusable(1);
    const auto leftEdge = [](Label& l) {
        int drawn = 0;
        for (int y = 0; y < kH; ++y) drawn += Alpha(PixelOf(l, 0, y)) != 0;
        return drawn;
    };
    EXPECT_EQ(leftEdge(withText), 0);
    t.host.SetFocus(withText.handle, true);
    EXPECT_GT(leftEdge(withText), kH / 4);
    EXPECT_LT(leftEdge(withText), kH) << "dashed";

    t.host.SetFocus(empty.handle, true);
    ASSERT_EQ(t.host.focusCue, empty.handle);
    EXPECT_EQ(leftEdge(withText), 0) << "repainted without the frame when the focus left";
    EXPECT_EQ(leftEdge(empty), 0) << "no frame round an empty caption";
}

TEST(LabelText, AutomaticColourKeepsTheAlphaAndFollowsTheBackground) {
    struct Case {
        COLORREF background;
        std::uint32_t caption;
    };
    for (const Case& c : {Case{RGB(0, 0, 0), 0x80FFFFFFu}, Case{RGB(255, 255, 255), 0x80000000u}}) {
        TestWindow t;
        controls_test::FillBackground(t.host, c.background);
        Label l;
        l.Create(t.hwnd, 10, 10, kW, kH, "Auto", {.textColour = 0x80000000, .autoTextColour = 1});
        const std::uint32_t strongest = controls_test::StrongestPixel(l);
        EXPECT_NEAR(static_cast<int>(Alpha(strongest)), 0x80, 1);
        EXPECT_NEAR(static_cast<int>(strongest & 0xFF), static_cast<int>(c.caption & 0xFF), 2) << std::hex << strongest;
    }
}

TEST(LabelText, GlowIsSoftAndOutlineIsAOnePixelRim) {
    TestWindow t;
    // Black text; the automatic halo is translucent white.
    Label plain, glow, outline;
    const LabelOptions base{.textColour = 0xFF000000, .fontSize = 16, .alignment = Gdiplus::StringAlignmentCenter};
    LabelOptions glowing = base, outlined = base;
    glowing.effect = textEffect::kGlow;
    outlined.effect = textEffect::kOutline;
    plain.Create(t.hwnd, 10, 10, kW, kH, "Halo 光", base);
    glow.Create(t.hwnd, 10, 60, kW, kH, "Halo 光", glowing);
    outline.Create(t.hwnd, 10, 110, kW, kH, "Halo 光", outlined);
    ASSERT_GT(plain.textHeight, 0);

    const InkBox p = Ink(plain, Drawn), g = Ink(glow, Drawn), o = Ink(outline, Drawn);
    ASSERT_TRUE(p.found && g.found && o.found);
    // The outline reaches one pixel beyond the text; the glow further.
    EXPECT_EQ(o.left, p.left - 1);
    EXPECT_EQ(o.bottom, p.bottom + 1);
    EXPECT_GT(p.left - g.left, 1);
    // Halo pixels are white and translucent.
    std::uint32_t rim = 0;
    for (int y = o.top; y <= o.bottom && Alpha(rim) == 0; ++y) rim = PixelOf(outline, o.left, y);
    EXPECT_EQ(rim & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_LE(Alpha(rim), 85u);
}

TEST(LabelFont, UnknownFamilyFallsBackAndSizeDefaultsToTwelve) {
    TestWindow t;
    Label l;
    l.Create(t.hwnd, 10, 10, kW, kH, "Font", {.fontName = "Missing Family"});
    EXPECT_EQ(l.FontName(), FontFamilyName(defaultFont));
    EXPECT_EQ(l.FontSize(), 12);
    Label byStyle;
    byStyle.Create(t.hwnd, 10, 60, kW, kH, "Bold", {.fontStyle = Gdiplus::FontStyleBold});
    EXPECT_EQ(byStyle.FontStyle(), Gdiplus::FontStyleBold);
    EXPECT_EQ(byStyle.FontSize(), 12);
    Label shared;
    shared.Create(t.hwnd, 10, 110, kW, kH, "Shared");
    EXPECT_EQ(shared.Font(), defaultFont);
}

TEST(LabelLifecycle, CreatedHookRunsAtCreationAndDestroyReleasesEverything) {
    class HookedLabel : public Label {
    public:
        void Created(canvas::Handle h) override { createdWith = h; }
        canvas::Handle createdWith = 0;
    };
    TestWindow t;
    HookedLabel l;
    const Handle h = l.Create(t.hwnd, 10, 10, kW, kH, "Hooked", {.fontSize = 14});
    EXPECT_EQ(l.createdWith, h);
    EXPECT_EQ(l.kind, kind::kLabel);
    EXPECT_EQ(l.focusable, 0);
    EXPECT_EQ(l.fadePeriod, 0);
    l.Destroy();
    EXPECT_TRUE(l.Text().empty());
    EXPECT_EQ(l.Font(), nullptr);
    EXPECT_EQ(l.Format(), nullptr);
}
