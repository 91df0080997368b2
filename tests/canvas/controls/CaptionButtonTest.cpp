#include "ControlPixels.h"
#include "MessagePump.h"
#include "TestWindow.h"

#include "canvas/controls/Button.h"
#include "canvas/controls/CaptionButton.h"
#include "canvas/controls/Label.h"
#include "canvas/controls/TextDrawing.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

using namespace canvas;
using controls_test::PixelOf;
using testing_support::TestWindow;

namespace {

constexpr DWORD kBoxedStyle = WS_POPUP | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX;

CaptionButton& ButtonOfKind(CanvasHost& host, int buttonKind) {
    for (auto& b : host.captionButtons) {
        auto* button = dynamic_cast<CaptionButton*>(b.get());
        if (button && button->Kind() == buttonKind) return *button;
    }
    ADD_FAILURE() << "no caption button of kind " << buttonKind;
    static CaptionButton none;
    return none;
}

LPARAM CentreOf(const CanvasControl& c) {
    return MAKELPARAM(static_cast<int>(c.bounds.x + c.bounds.width / 2), static_cast<int>(c.bounds.y + c.bounds.height / 2));
}

// Which of the strip's columns the button shows: the one its bitmap differs
// least from (the last row comes from beyond the strip and is left out).
int ShownColumn(const CaptionButton& b, std::initializer_list<int> columns) {
    auto* strip = reinterpret_cast<GpBitmap*>(skinPicture.image());
    int best = -1;
    long bestDiff = LONG_MAX;
    for (int column : columns) {
        long diff = 0;
        for (int y = 0; y < CaptionButton::kHeight - 1; ++y) {
            for (int x = 0; x < static_cast<int>(b.bounds.width); ++x) {
                ARGB want = 0;
                GdipBitmapGetPixel(strip, column + x, 2 + y, &want);
                const std::uint32_t got = PixelOf(b, x, y);
                for (int shift = 0; shift < 32; shift += 8)
                    diff += std::abs(static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF));
            }
        }
        if (diff < bestDiff) {
            bestDiff = diff;
            best = column;
        }
    }
    return best;
}

// The posted messages of one kind waiting for the window, taken off the queue.
std::vector<MSG> TakePosted(HWND hwnd, UINT message) {
    std::vector<MSG> taken;
    MSG msg;
    while (PeekMessageA(&msg, hwnd, message, message, PM_REMOVE)) taken.push_back(msg);
    return taken;
}

}  // namespace

TEST(CaptionLayout, ButtonsRightToLeftFromTheCloseButtonAndTheTitleUpToThem) {
    struct Case {
        int flags;
        std::vector<std::pair<int, float>> buttons;  // kind, x
        float titleX, titleWidth;
    };
    const Case cases[] = {
        {1 | 2 | 4, {{4, 455}}, 29, 426},
        {2 | 4 | 8 | 16, {{4, 455}, {8, 427}, {16, 399}}, 11, 388},
        {1 | 2 | 4 | 64 | 256, {{4, 455}, {64, 427}, {256, 399}}, 29, 370},
        {1 | 2 | 16, {{16, 467}}, 29, 438},  // no close button: no extra room for it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        TestWindow t(500, 300, {.captionFlags = c.flags}, kBoxedStyle);
        ASSERT_EQ(t.host.captionButtons.size(), c.buttons.size());
        for (std::size_t i = 0; i < c.buttons.size(); ++i) {
            auto* b = dynamic_cast<CaptionButton*>(t.host.captionButtons[i].get());
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->Kind(), c.buttons[i].first);
            EXPECT_EQ(b->kind, kind::kCaptionButton);
            const float width = b->Kind() == 4 ? 39 : 28;
            EXPECT_EQ(b->bounds, (RectF{c.buttons[i].second, 7, width, 19}));
        }
        ASSERT_NE(t.host.titleLabel, nullptr);
        EXPECT_EQ(t.host.titleLabel->bounds, (RectF{c.titleX, 11, c.titleWidth, 18}));
    }
}

TEST(CaptionLayout, DefaultSetFollowsTheWindowsBoxesAndNoFlagsMeansNoCaption) {
    TestWindow boxed(400, 300, {}, kBoxedStyle);
    std::vector<int> kinds;
    for (auto& b : boxed.host.captionButtons) kinds.push_back(dynamic_cast<CaptionButton&>(*b).Kind());
    EXPECT_EQ(kinds, (std::vector<int>{4, 8, 16}));

    TestWindow extra(400, 300, {.captionFlags = 1024 | 32}, kBoxedStyle);
    EXPECT_EQ(extra.host.captionButtons.size(), 4u);

    TestWindow bare(400, 300, {.captionFlags = 0}, kBoxedStyle);
    EXPECT_TRUE(bare.host.captionButtons.empty());
    EXPECT_EQ(bare.host.titleLabel, nullptr);
    EXPECT_EQ(bare.host.firstControl, 0u);
}

TEST(CaptionTitle, ShowsTheWindowTextAndFollowsSetTextWithoutPassingItOn) {
    TestWindow t(400, 300, {.captionFlags = 2 | 4});
    auto* title = dynamic_cast<Label*>(t.host.titleLabel.get());
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Text(), "test");
    EXPECT_EQ(title->TextColour(), 0xFAFFFFFFu);
    EXPECT_EQ(title->AutoTextColour(), 1);
    EXPECT_EQ(title->Effect(), textEffect::kGlow);
    EXPECT_EQ(title->Trimming(), Gdiplus::StringTrimmingEllipsisCharacter);
    EXPECT_EQ(title->focusable, 0);

    EXPECT_EQ(SendMessageA(t.hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("新标题 New")), 1);
    EXPECT_EQ(title->Text(), "新标题 New");
    char text[64] = {};
    GetWindowTextA(t.hwnd, text, sizeof text);
    EXPECT_STREQ(text, "test");

    t.Pump();
    EXPECT_TRUE(controls_test::Ink(*title, [](std::uint32_t p) { return p >> 24 != 0; }).found);
}

TEST(CaptionButtonLook, StripColumnsByKindStateAndMaximised) {
    struct Case {
        int buttonKind, state;
        bool maximized;
        float x;  // -1: nothing drawn
        float width;
    };
    const Case cases[] = {
        {4, 0, false, 0, 39},     {4, 1, false, 40, 39},    {4, 2, false, 80, 39},   {8, 0, false, 120, 28},
        {8, 2, false, 178, 28},   {8, 0, true, 207, 28},    {8, 1, true, 236, 28},   {16, 1, false, 323, 28},
        {32, 2, false, 439, 28},  {64, 0, false, 468, 28},  {128, 1, false, 584, 28}, {256, 2, false, 700, 28},
        {4, 3, false, 0, 39},     {16, -1, false, 294, 28}, {4, 4, false, -1, 0},    {4, -2, false, -1, 0},
        {2, 0, false, -1, 0},
    };
    for (const Case& c : cases) {
        const auto source = CaptionButton::SourceRect(c.buttonKind, c.state, c.maximized);
        if (c.x < 0) {
            EXPECT_FALSE(source.has_value()) << c.buttonKind << " " << c.state;
            continue;
        }
        ASSERT_TRUE(source.has_value()) << c.buttonKind << " " << c.state;
        EXPECT_EQ(*source, (RectF{c.x, 2, c.width, 19})) << c.buttonKind << " " << c.state;
    }
}

TEST(CaptionButtonLook, MouseFadesHotInFrom102PressedFrom153AndNormalFromZero) {
    TestWindow t(400, 300, {.captionFlags = 4 | 16});
    CaptionButton& close = ButtonOfKind(t.host, 4);
    EXPECT_EQ(ShownColumn(close, {0, 40, 80}), 0);

    SendMessageA(t.hwnd, WM_MOUSEMOVE, 0, CentreOf(close));
    EXPECT_EQ(close.paintedState, captionState::kHot);
    EXPECT_EQ(close.fadeLevel, 102);
    EXPECT_NE(close.fadeSnapshot, nullptr);
    EXPECT_EQ(ShownColumn(close, {0, 40, 80}), 40);

    SendMessageA(t.hwnd, WM_MOUSEMOVE, 0, CentreOf(close));  // the same state again: no new fade
    EXPECT_EQ(close.fadeLevel, 102);

    SendMessageA(t.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(close));
    EXPECT_EQ(close.paintedState, captionState::kPressed);
    EXPECT_EQ(close.fadeLevel, 153);
    EXPECT_EQ(ShownColumn(close, {0, 40, 80}), 80);
    EXPECT_EQ(t.host.captured, close.handle) << "takes the mouse although it is not focusable";
    EXPECT_EQ(t.host.focus, 0u);

    // Dragged off and released elsewhere: no command, back to normal.
    SendMessageA(t.hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 150));
    SendMessageA(t.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(100, 150));
    EXPECT_TRUE(TakePosted(t.hwnd, WM_CLOSE).empty());
    EXPECT_EQ(close.paintedState, captionState::kNormal);
    EXPECT_EQ(close.fadeLevel, 0);
    for (int tick = 0; tick < 5; ++tick) SendMessageA(t.hwnd, WM_TIMER, close.handle, 0);
    EXPECT_EQ(close.fadeLevel, 255);
    EXPECT_EQ(close.fadeSnapshot, nullptr);
}

TEST(CaptionButtonClick, PostsTheWindowCommandOfItsKind) {
    struct Case {
        int buttonKind;
        UINT message;  // 0: nothing
        WPARAM command;
    };
    const Case cases[] = {
        {4, WM_CLOSE, 0},
        {8, WM_SYSCOMMAND, SC_MAXIMIZE},
        {16, WM_SYSCOMMAND, SC_MINIMIZE},
        {32, 0, 0},
    };
    TestWindow t(400, 300, {.captionFlags = 4 | 8 | 16 | 32}, kBoxedStyle);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.buttonKind);
        CaptionButton& b = ButtonOfKind(t.host, c.buttonKind);
        int clicks = 0;
        b.BindEvent(notify::kClick, [&](const ControlEvent&) { ++clicks; });
        SendMessageA(t.hwnd, WM_MOUSEMOVE, 0, CentreOf(b));
        SendMessageA(t.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(b));
        SendMessageA(t.hwnd, WM_LBUTTONUP, 0, CentreOf(b));
        EXPECT_EQ(clicks, 1) << "the application hears every click";
        EXPECT_EQ(b.paintedState, captionState::kHot);
        const auto closes = TakePosted(t.hwnd, WM_CLOSE);
        const auto commands = TakePosted(t.hwnd, WM_SYSCOMMAND);
        EXPECT_EQ(closes.size(), c.message == WM_CLOSE ? 1u : 0u);
        ASSERT_EQ(commands.size(), c.message == WM_SYSCOMMAND ? 1u : 0u);
        if (!commands.empty()) {
            EXPECT_EQ(commands[0].wParam, c.command);
        }
    }
}

TEST(CaptionButtonClick, DisabledButtonDoesNothing) {
    TestWindow t(400, 300, {.captionFlags = 4, .dragAnywhere = 0});
    CaptionButton& close = ButtonOfKind(t.host, 4);
    close.Disabled(1);
    close.RaiseEvent(notify::kClick);
    SendMessageA(t.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(close));
    SendMessageA(t.hwnd, WM_LBUTTONUP, 0, CentreOf(close));
    EXPECT_TRUE(TakePosted(t.hwnd, WM_CLOSE).empty());
    EXPECT_TRUE(IsWindow(t.hwnd));
}

TEST(CaptionButtonClick, MaximiseThenRestoreAndTheImageFollows) {
    TestWindow t(400, 300, {}, kBoxedStyle);
    ShowWindow(t.hwnd, SW_SHOWNORMAL);
    CaptionButton& maximise = ButtonOfKind(t.host, 8);
    const auto click = [&] {
        SendMessageA(t.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(maximise));
        SendMessageA(t.hwnd, WM_LBUTTONUP, 0, CentreOf(maximise));
    };
    click();
    const auto commands = TakePosted(t.hwnd, WM_SYSCOMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, SC_MAXIMIZE);
    const SIZE normalSize = t.host.size;
    DispatchMessageA(&commands[0]);
    // The new size may come back from the display a little later.
    ASSERT_TRUE(testing_support::PumpUntil([&] { return IsZoomed(t.hwnd) && t.host.size.cx != normalSize.cx; }));
    EXPECT_EQ(maximise.paintedState, captionState::kNormal);
    EXPECT_EQ(ShownColumn(maximise, {120, 207}), 207) << "the restore image";
    EXPECT_EQ(maximise.bounds.x, t.host.size.cx - 17 - 2 * 28) << "laid out for the new width";

    click();
    const auto again = TakePosted(t.hwnd, WM_SYSCOMMAND);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].wParam, SC_RESTORE);
    DispatchMessageA(&again[0]);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return !IsZoomed(t.hwnd) && t.host.size.cx == normalSize.cx; }));
    EXPECT_EQ(ShownColumn(maximise, {120, 207}), 120);
}

TEST(CaptionButtonClick, MinimiseOnAMinimisedWindowPostsNothing) {
    TestWindow t(400, 300, {}, kBoxedStyle);
    ShowWindow(t.hwnd, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(t.hwnd));
    ButtonOfKind(t.host, 16).RaiseEvent(notify::kClick);
    EXPECT_TRUE(TakePosted(t.hwnd, WM_SYSCOMMAND).empty());
}

TEST(CaptionButtonFocus, TabNeverLandsOnACaptionButton) {
    TestWindow t(400, 300, {}, kBoxedStyle);
    SendMessageA(t.hwnd, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(t.host.focus, 0u);
    Button b;
    b.Create(t.hwnd, 20, 60, 88, 32, "Only");
    for (int i = 0; i < 3; ++i) {
        SendMessageA(t.hwnd, WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(t.host.focus, b.handle);
    }
}

TEST(CaptionButtonLifecycle, DestroyedWithTheWindow) {
    auto t = std::make_unique<TestWindow>(400, 300, AttachOptions{}, kBoxedStyle);
    CaptionButton& close = ButtonOfKind(t->host, 4);
    const Handle closeHandle = close.handle;
    ASSERT_EQ(ControlFromHandle(closeHandle), &close);
    DestroyWindow(t->hwnd);
    EXPECT_EQ(ControlFromHandle(closeHandle), nullptr);
    EXPECT_TRUE(t->host.captionButtons.empty());
    EXPECT_EQ(t->host.titleLabel, nullptr);
}
