#include "ControlPixels.h"
#include "TestWindow.h"

#include "canvas/controls/Button.h"
#include "canvas/services/Fonts.h"

#include <gtest/gtest.h>

#include <vector>

using namespace canvas;
using controls_test::Ink;
using controls_test::InkBox;
using controls_test::PixelOf;
using testing_support::TestWindow;

namespace {

constexpr int kW = 88, kH = 32;  // the main window's buttons
constexpr Rgb kRed = 0x0000FF;   // 0x00BBGGRR

// A button that remembers the caption box of its last paint and can leave
// out the face, so that only the caption is in its bitmap.
class ProbeButton : public Button {
public:
    int PaintFace(PaintContext& ctx, int s) override { return skipFace ? 1 : Button::PaintFace(ctx, s); }
    int PaintContent(PaintContext& ctx, int s, RectF& box) override {
        captionBox = box;
        return Button::PaintContent(ctx, s, box);
    }
    bool skipFace = false;
    RectF captionBox;
};

struct ButtonWindow {
    explicit ButtonWindow(Rgb theme = kRed) { t.host.themeColour = static_cast<int>(theme); }
    TestWindow t{300, 200};
};

// The face over a light grey pane (0xECECEC at 204) tinted with red whose
// alpha runs from top to bottom over the face's height (h - 1).
std::uint32_t ExpectedFace(int alphaTop, int alphaBottom, int y) {
    const double t = (y + 0.5) / (kH - 1);
    const double tint = (alphaTop + (alphaBottom - alphaTop) * t) / 255.0;
    const double pane = 204 / 255.0, grey = 236;
    const double alpha = pane + tint * (1 - pane);
    const double red = (255 * tint + grey * pane * (1 - tint)) / alpha;
    const double other = grey * pane * (1 - tint) / alpha;
    const auto byte = [](double v) { return static_cast<std::uint32_t>(v + 0.5); };
    return byte(alpha * 255) << 24 | byte(red) << 16 | byte(other) << 8 | byte(other);
}

void ExpectColourNear(std::uint32_t actual, std::uint32_t expected, int tolerance, const char* where) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF), e = static_cast<int>((expected >> shift) & 0xFF);
        EXPECT_NEAR(a, e, tolerance) << where << std::hex << ": actual 0x" << actual << ", expected 0x" << expected;
    }
}

}  // namespace

TEST(ButtonFace, EachStateHasItsThemeGradientBordersAndShadow) {
    struct Case {
        int state;
        int tintTop, tintBottom;  // gradient alphas
        int outerBorder, shadow;  // alphas
    };
    const Case cases[] = {
        {textState::kNormal, 0, 102, 80, 25},
        {textState::kHot, 21, 153, 70, 30},
        {textState::kPressed, 153, 21, 70, 10},
        {textState::kFocused, 51, 153, 80, 25},
    };
    ButtonWindow w;
    Button b;
    ASSERT_NE(b.Create(w.t.hwnd, 20, 20, kW, kH, "&Save"), 0u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        b.Paint(c.state, 255);
        // Left of the caption, inside both borders.
        for (int y : {4, 12, 20, 27}) ExpectColourNear(PixelOf(b, 6, y), ExpectedFace(c.tintTop, c.tintBottom, y), 6, "face");
        EXPECT_EQ(PixelOf(b, 44, kH - 2), MakeArgb(0x000000, c.outerBorder));
        EXPECT_EQ(PixelOf(b, 44, kH - 1), MakeArgb(0x000000, c.shadow));
        EXPECT_EQ(PixelOf(b, 0, kH - 1), 0u) << "the shadow line starts at x 1";
    }
}

TEST(ButtonFace, TintFollowsTheHostsThemeColour) {
    ButtonWindow w(0xFF0000);  // blue
    Button b;
    b.Create(w.t.hwnd, 20, 20, kW, kH, "OK");
    const std::uint32_t bottom = PixelOf(b, 6, 27);
    EXPECT_GT(bottom & 0xFF, (bottom >> 16) & 0xFF) << std::hex << bottom;  // more blue than red
}

TEST(ButtonFace, RoundedFromTheHostsFrameStyleOrGiven) {
    ButtonWindow w;
    Button roundedByHost, square, inPage;
    roundedByHost.Create(w.t.hwnd, 10, 10, kW, kH, "A");
    square.Create(w.t.hwnd, 10, 50, kW, kH, "B", {.rounded = 0});
    inPage.Create(roundedByHost.handle, 10, 10, kW, kH, "C");  // inside a control: no host frame to follow
    EXPECT_EQ(roundedByHost.rounded, CanvasHost::kDefaultFrameStyle);
    EXPECT_EQ(square.rounded, 0);
    EXPECT_EQ(inPage.rounded, 0);
    // The rounded face leaves its corners clear; the square one has its frame there.
    EXPECT_EQ(PixelOf(roundedByHost, 0, 0), 0u);
    EXPECT_EQ(PixelOf(square, 0, 0) >> 24, 80u);
}

TEST(ButtonCaption, SitsOneRightOfCentreAndPressedOneFurtherRightAndDown) {
    ButtonWindow w(0xFFFFFF);
    ProbeButton b;
    b.Create(w.t.hwnd, 20, 20, kW, kH, "Query");
    ASSERT_GT(b.textWidth, 0);
    ASSERT_GT(b.textHeight, 0);
    b.Paint(textState::kNormal, 255);
    const RectF normal = b.captionBox;
    EXPECT_FLOAT_EQ(normal.x, 3 + (kW - 6 - b.textWidth) / 2.0f + 1);
    EXPECT_FLOAT_EQ(normal.y, 3 + (kH - 6 - b.textHeight) / 2.0f);
    EXPECT_FLOAT_EQ(normal.width, static_cast<float>(b.textWidth));
    const InkBox normalInk = Ink(b, [](std::uint32_t p) { return controls_test::IsDarkInk(p); });

    b.Paint(textState::kPressed, 255);
    EXPECT_FLOAT_EQ(b.captionBox.x, normal.x + 1);
    EXPECT_FLOAT_EQ(b.captionBox.y, normal.y + 1);
    const InkBox pressedInk = Ink(b, [](std::uint32_t p) { return controls_test::IsDarkInk(p); });
    ASSERT_TRUE(normalInk.found && pressedInk.found);
    EXPECT_EQ(pressedInk.left, normalInk.left + 1);
    EXPECT_EQ(pressedInk.top, normalInk.top + 1);
}

TEST(ButtonCaption, WiderThanTheButtonIsClippedToTheContentBoxNotWrapped) {
    ButtonWindow w;
    ProbeButton b;
    b.skipFace = true;
    b.Create(w.t.hwnd, 20, 20, kW, kH, "查询人气查询人气查询人气查询人气");
    ProbeButton one;
    one.Create(w.t.hwnd, 20, 60, kW, kH, "查");
    EXPECT_EQ(b.textHeight, one.textHeight) << "one line";
    const InkBox ink = Ink(b, [](std::uint32_t p) { return (p >> 24) != 0; });
    ASSERT_TRUE(ink.found);
    EXPECT_EQ(ink.left, 3);
    EXPECT_EQ(ink.right, kW - 4);
    EXPECT_GE(ink.top, 3);
    EXPECT_LE(ink.bottom, kH - 4);
}

TEST(ButtonCaption, EmptyCaptionPaintsTheFaceOnly) {
    ButtonWindow w;
    ProbeButton b;
    ASSERT_NE(b.Create(w.t.hwnd, 20, 20, kW, kH, ""), 0u);
    EXPECT_EQ(b.textWidth, 0);
    EXPECT_NE(PixelOf(b, 44, 16) >> 24, 0u);
    b.skipFace = true;
    b.Paint(textState::kHot, 255);
    EXPECT_FALSE(Ink(b, [](std::uint32_t p) { return (p >> 24) != 0; }).found);
}

TEST(ButtonCaption, AutomaticColourIsWhiteOverDarkAndBlackOverLightAtTheGivenAlpha) {
    struct Case {
        COLORREF background;
        std::uint32_t caption;
    };
    for (const Case& c : {Case{RGB(10, 20, 40), 0x80FFFFFFu}, Case{RGB(230, 230, 200), 0x80000000u}}) {
        ButtonWindow w;
        controls_test::FillBackground(w.t.host, c.background);
        ProbeButton b;
        b.skipFace = true;
        b.Create(w.t.hwnd, 20, 20, kW, kH, "Auto", {.textColour = 0x80000000});
        b.AutoTextColour(1);
        w.t.Pump();  // the repaint it asked for
        const std::uint32_t strongest = controls_test::StrongestPixel(b);
        EXPECT_NEAR(static_cast<int>(strongest >> 24), 0x80, 1) << std::hex << strongest;
        ExpectColourNear(strongest | 0xFF000000, c.caption | 0xFF000000, 2, "caption");
    }
}

TEST(ButtonCaption, UnknownFontFamilyFallsBackToTheDefaultFamily) {
    ButtonWindow w;
    Button b;
    b.Create(w.t.hwnd, 20, 20, kW, kH, "Font", {.fontName = "No Such Family 123"});
    ASSERT_NE(b.Font(), nullptr);
    EXPECT_NE(b.Font(), defaultFont) << "a font of its own";
    EXPECT_EQ(b.FontName(), FontFamilyName(defaultFont));
    EXPECT_EQ(b.FontSize(), 12);
    EXPECT_EQ(b.FontStyle(), 0);

    const int narrowWidth = b.textWidth;
    EXPECT_EQ(b.FontSize(20), 20);
    EXPECT_GT(b.textWidth, narrowWidth) << "measured again";
    EXPECT_EQ(b.FontStyle(Gdiplus::FontStyleBold), Gdiplus::FontStyleBold);
    EXPECT_EQ(b.FontSize(), 20) << "the size stays when the style changes";
    EXPECT_EQ(b.FontName("Nor This One"), FontFamilyName(defaultFont));
}

TEST(ButtonCaption, WithoutFontValuesUsesTheSharedDefaultFontAndNeverDeletesIt) {
    ButtonWindow w;
    {
        Button b;
        b.Create(w.t.hwnd, 20, 20, kW, kH, "Shared");
        EXPECT_EQ(b.Font(), defaultFont);
        b.Font(GdipFontPtr(defaultFont));  // handing the shared font over does not make it ours
        EXPECT_EQ(b.Font(), defaultFont);
        b.Destroy();
        EXPECT_EQ(b.Font(), nullptr);
        EXPECT_EQ(b.Format(), nullptr);
        EXPECT_TRUE(b.Text().empty());
    }
    float size = 0;
    EXPECT_EQ(GdipGetFontSize(defaultFont, &size), Gdiplus::Ok);
    EXPECT_EQ(size, 12);
}

TEST(ButtonAccessKey, IsTheByteAfterTheFirstSingleAmpersand) {
    struct Case {
        const char* caption;
        int key;
    };
    const Case cases[] = {
        {"&Save", 'S'}, {"Sa&ve", 'v'},      {"Save", 0},      {"Save&", 0},  {"", 0},
        {"A&&B", 0},    {"A && &B", 'B'},    {"&&&x", 'x'},    {"查询(&Q)", 'Q'},
    };
    for (const Case& c : cases) EXPECT_EQ(TextControl::AccessKeyOf(c.caption), c.key) << c.caption;
}

TEST(ButtonAccessKey, RegisteredWithTheHostAndClickedByAltAndTheKey) {
    ButtonWindow w;
    Button b;
    b.Create(w.t.hwnd, 20, 20, kW, kH, "&Save");
    const std::vector<std::pair<Handle, int>> expected{{b.handle, 'S'}};
    EXPECT_EQ(w.t.host.accessKeys, expected);

    int clicks = 0;
    b.BindEvent(notify::kClick, [&](const ControlEvent&) { ++clicks; });
    SendMessageA(w.t.hwnd, WM_SYSKEYDOWN, 'S', 0x20000000);
    EXPECT_EQ(clicks, 1);

    b.Text("Save");  // no key any more
    EXPECT_TRUE(w.t.host.accessKeys.empty());
    SendMessageA(w.t.hwnd, WM_SYSKEYDOWN, 'S', 0x20000000);
    EXPECT_EQ(clicks, 1);
}

TEST(ButtonStates, EachChangeRepaintsWithItsStateAndFadesInFromItsLevel) {
    struct Step {
        UINT code;
        int state;
        int fadeStart;
    };
    const Step steps[] = {
        {notify::kMouseEnter, textState::kHot, 51},    {WM_LBUTTONDOWN, textState::kPressed, 153},
        {WM_LBUTTONUP, textState::kHot, 153},          {notify::kMouseLeave, textState::kNormal, 51},
        {notify::kGotFocus, textState::kFocused, 204}, {notify::kLostFocus, textState::kNormal, 102},
    };
    ButtonWindow w;
    Button b;
    b.Create(w.t.hwnd, 20, 20, kW, kH, "Fade");
    for (const Step& s : steps) {
        SCOPED_TRACE(s.code);
        b.RaiseEvent(s.code);
        EXPECT_EQ(b.state, s.state);
        EXPECT_EQ(b.fadeLevel, s.fadeStart);
        EXPECT_NE(b.fadeSnapshot, nullptr);
        // Steps of 51 on the control's timer until the opacity is reached.
        int ticks = 0;
        while (b.fadeLevel < b.opacity && ticks < 10) {
            SendMessageA(w.t.hwnd, WM_TIMER, b.handle, 0);
            ++ticks;
        }
        EXPECT_EQ(ticks, (255 - s.fadeStart) / 51);
        EXPECT_EQ(b.fadeSnapshot, nullptr);
    }
}

TEST(ButtonStates, PaintRequestRepaintsTheStoredStateWithoutFade) {
    ButtonWindow w;
    Button b;
    b.Create(w.t.hwnd, 20, 20, kW, kH, "Paint");
    b.RaiseEvent(notify::kMouseEnter);
    b.RequestRepaint();
    w.t.Pump();
    EXPECT_EQ(b.state, textState::kHot);
    EXPECT_EQ(b.fadeLevel, 255);
    EXPECT_EQ(b.fadeSnapshot, nullptr);
}

TEST(ButtonStates, FocusedButtonShowsHotWhenEnteredAndNormalWhenLeft) {
    ButtonWindow w;
    Button b;
    b.Create(w.t.hwnd, 20, 20, kW, kH, "Focus");
    w.t.host.SetFocus(b.handle, false);
    EXPECT_EQ(b.state, textState::kFocused);
    b.RaiseEvent(notify::kMouseEnter);
    EXPECT_EQ(b.state, textState::kHot);
    b.RaiseEvent(notify::kMouseLeave);
    EXPECT_EQ(b.state, textState::kNormal);
}

TEST(ButtonStates, NotFocusableIgnoresPressesButStillShowsHover) {
    ButtonWindow w;
    Button b;
    b.Create(w.t.hwnd, 20, 20, kW, kH, "Static");
    b.Focusable(0);
    b.RaiseEvent(WM_LBUTTONDOWN);
    EXPECT_EQ(b.state, textState::kNormal);
    EXPECT_EQ(b.fadeLevel, 255);
    b.RaiseEvent(notify::kMouseEnter);
    EXPECT_EQ(b.state, textState::kHot);
    b.RaiseEvent(WM_LBUTTONUP);
    EXPECT_EQ(b.state, textState::kHot);
    EXPECT_EQ(b.fadeLevel, 51);
    b.RaiseEvent(notify::kMouseLeave);
    EXPECT_EQ(b.state, textState::kNormal);
}

TEST(ButtonStates, MouseThroughTheHostPressesAndClicks) {
    ButtonWindow w;
    Button b;
    b.Create(w.t.hwnd, 20, 20, kW, kH, "Click");
    int clicks = 0;
    b.BindEvent(notify::kClick, [&](const ControlEvent&) { ++clicks; });
    const LPARAM at = MAKELPARAM(40, 30);
    SendMessageA(w.t.hwnd, WM_MOUSEMOVE, 0, at);
    EXPECT_EQ(b.state, textState::kHot);
    SendMessageA(w.t.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_EQ(b.state, textState::kPressed);
    SendMessageA(w.t.hwnd, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(b.state, textState::kHot);
    EXPECT_EQ(clicks, 1);
}

TEST(ButtonFocusCue, DashedRectangleOnlyOnTheControlFocusedFromTheKeyboard) {
    ButtonWindow w(0xFFFFFF);
    Button byMouse, byTab;
    byMouse.Create(w.t.hwnd, 20, 20, kW, kH, "Mouse");
    byTab.Create(w.t.hwnd, 20, 60, kW, kH, "Tab");
    // The dashed frame's left edge runs down x 2 from y 2 to y h - 4.
    const auto frameColumn = [](CanvasControl& c) {
        std::vector<std::uint32_t> column;
        for (int y = 4; y < kH - 4; ++y) column.push_back(PixelOf(c, 2, y));
        return column;
    };
    SendMessageA(w.t.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 30));
    SendMessageA(w.t.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(40, 30));
    ASSERT_EQ(w.t.host.focus, byMouse.handle);
    byMouse.Paint(textState::kFocused, 255);
    const auto plain = frameColumn(byMouse);

    SendMessageA(w.t.hwnd, WM_KEYDOWN, VK_TAB, 0);
    ASSERT_EQ(w.t.host.focusCue, byTab.handle);
    const auto cued = frameColumn(byTab);
    int darker = 0;
    for (std::size_t i = 0; i < plain.size(); ++i)
        if (((cued[i] >> 8) & 0xFF) + 20 < ((plain[i] >> 8) & 0xFF)) ++darker;
    EXPECT_GE(darker, 4) << "dashes on the left edge";
    EXPECT_LT(darker, static_cast<int>(plain.size())) << "with gaps";
}
