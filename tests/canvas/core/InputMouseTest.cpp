// Mouse routing: capture, click, hover, double click, dragging the window.
#include "InputTestWindow.h"

#include <gtest/gtest.h>

using namespace canvas;
using namespace input_test;

namespace {

class InputMouse : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(w.attached); }
    InputWindow w;
};

TEST_F(InputMouse, ReleaseOverThePressedControlClicksIt) {
    Probe& a = w.Add({10, 40, 80, 30});
    w.Down(20, 50);
    EXPECT_EQ(w.host.captured, a.handle);
    EXPECT_EQ(GetCapture(), w.hwnd);
    EXPECT_EQ(w.host.focus, a.handle);
    EXPECT_EQ(w.host.focusCue, 0u);
    ASSERT_EQ(a.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(a.Of(WM_LBUTTONDOWN)[0].wparam, static_cast<WPARAM>(MK_LBUTTON));
    EXPECT_EQ(a.Of(notify::kGotFocus)[0].lparam, 0);

    w.Up(25, 55);
    // While captured, messages reach the control with its own handle as wparam.
    ASSERT_EQ(a.Count(WM_LBUTTONUP), 1);
    EXPECT_EQ(a.Of(WM_LBUTTONUP)[0].wparam, a.handle);
    ASSERT_EQ(a.Count(notify::kClick), 1);
    EXPECT_EQ(a.Of(notify::kClick)[0].wparam, a.handle);
    EXPECT_EQ(a.Of(notify::kClick)[0].lparam, Point(25, 55));
    EXPECT_EQ(w.host.capturing, 0);
    EXPECT_EQ(w.host.captured, 0u);
    EXPECT_NE(GetCapture(), w.hwnd);
    EXPECT_EQ(w.host.hover, a.handle);

    EXPECT_EQ(w.CallNames(), (std::vector<std::string>{"down", "blur", "focus", "up", "click"}));
    const HostCall click = w.Calls("click")[0];
    EXPECT_EQ(click.control, a.handle);
    EXPECT_EQ(click.kind, kind::kButton);
    EXPECT_EQ(click.lparam, Point(25, 55));
    // The release is reported for the control that held the capture.
    EXPECT_EQ(w.Calls("up")[0].control, a.handle);
    EXPECT_EQ(w.DragsStarted(), 0);
}

TEST_F(InputMouse, DraggingOffAPressedControlLeavesItWithoutAClick) {
    Probe& a = w.Add({10, 40, 80, 30});
    Probe& b = w.Add({200, 40, 80, 30});
    w.Move(20, 50);
    w.Down(20, 50);
    w.Forget();

    w.Move(210, 50, MK_LBUTTON);
    // Captured: the move goes to a, b hears nothing yet.
    ASSERT_EQ(a.Count(WM_MOUSEMOVE), 1);
    EXPECT_EQ(a.Of(WM_MOUSEMOVE)[0].wparam, a.handle);
    EXPECT_TRUE(b.received.empty());

    w.Up(210, 50);
    EXPECT_EQ(a.Count(notify::kClick), 0);
    EXPECT_EQ(b.Count(notify::kClick), 0);
    ASSERT_EQ(a.Count(notify::kMouseLeave), 1);
    EXPECT_EQ(a.Of(notify::kMouseLeave)[0].lparam, static_cast<LPARAM>(b.handle));
    ASSERT_EQ(b.Count(notify::kMouseEnter), 1);
    EXPECT_EQ(b.Of(notify::kMouseEnter)[0].lparam, static_cast<LPARAM>(a.handle));
    EXPECT_EQ(w.CallNames(), (std::vector<std::string>{"up", "leave", "enter"}));
    EXPECT_EQ(w.Calls("leave")[0].control, a.handle);
    EXPECT_EQ(w.Calls("enter")[0].control, b.handle);
    EXPECT_EQ(w.host.hover, b.handle);
    EXPECT_EQ(w.host.capturing, 0);
}

TEST_F(InputMouse, ReleaseElsewhereAfterThePressedControlWasHiddenStillEntersTheNewOne) {
    Probe& a = w.Add({10, 40, 80, 30});
    Probe& b = w.Add({200, 40, 80, 30});
    w.Down(20, 50);
    a.Visible(0);
    w.Forget();
    w.Up(210, 50);
    EXPECT_EQ(a.Count(notify::kMouseLeave), 0);  // not drawn: nothing to un-highlight
    EXPECT_EQ(b.Count(notify::kMouseEnter), 1);
    EXPECT_EQ(w.host.hover, b.handle);
}

// The capture can go without a release reaching the window: the window gives
// it up when the mouse leaves, or another window takes it. The press is then
// over and the next press must not go to the old control.
TEST(InputMouseCapture, ALostCaptureEndsThePress) {
    struct Case {
        const char* name;
        void (*lose)(HWND window, HWND other);
    };
    const Case cases[] = {
        {"the mouse left the window", [](HWND window, HWND) { SendMessageA(window, WM_MOUSELEAVE, 0, 0); }},
        {"another window took the capture", [](HWND, HWND other) { SetCapture(other); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputWindow w;
        InputWindow other;
        Probe& a = w.Add({10, 40, 80, 30});
        Probe& b = w.Add({200, 40, 80, 30});
        w.Move(20, 50);
        w.Down(20, 50);
        ASSERT_EQ(w.host.capturing, 1);
        c.lose(w.hwnd, other.hwnd);

        w.Move(210, 50, MK_LBUTTON);
        EXPECT_EQ(w.host.capturing, 0);
        EXPECT_EQ(w.host.captured, 0u);
        EXPECT_EQ(a.Count(notify::kMouseLeave), 1);  // said once, by whoever noticed first
        EXPECT_EQ(a.Count(WM_MOUSEMOVE), 1);         // the move before the press only
        EXPECT_EQ(b.Count(notify::kMouseEnter), 1);
        EXPECT_EQ(w.host.hover, b.handle);

        w.Click(210, 50);
        EXPECT_EQ(b.Count(notify::kClick), 1);
        EXPECT_EQ(a.Count(notify::kClick), 0);
        ReleaseCapture();
    }
}

TEST_F(InputMouse, DoubleClickIsTwoPressesAndTwoClicks) {
    Probe& a = w.Add({10, 40, 80, 30});
    w.DoubleClick(20, 50);
    const auto presses = a.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[0].wparam, static_cast<WPARAM>(MK_LBUTTON));
    EXPECT_EQ(presses[1].wparam, kDoubleClickMarker);
    EXPECT_EQ(a.Count(notify::kClick), 2);
    ASSERT_EQ(w.Calls("double").size(), 1u);
    EXPECT_EQ(w.Calls("double")[0].control, a.handle);
    EXPECT_EQ(w.Calls("double")[0].wparam, kDoubleClickMarker);
    EXPECT_EQ(w.Calls("click").size(), 2u);
    // The focus did not move on the second press.
    EXPECT_EQ(a.Count(notify::kGotFocus), 1);
}

TEST_F(InputMouse, MovingBetweenControlsLeavesEntersAndMovesTheTooltip) {
    Probe& a = w.Add({10, 40, 80, 30});
    Probe& b = w.Add({200, 40, 80, 30});
    Probe& plain = w.Add({10, 150, 80, 30});
    a.TooltipText("first");
    b.TooltipText("second");
    ASSERT_NE(w.host.tooltipWindow, nullptr);
    const auto tool = [&](RECT& rect) {
        char text[80] = {};
        TTTOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.lpszText = text;
        if (!SendMessageA(w.host.tooltipWindow, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info))) return std::string();
        rect = info.rect;
        return std::string(text);
    };
    const auto tools = [&] { return SendMessageA(w.host.tooltipWindow, TTM_GETTOOLCOUNT, 0, 0); };
    RECT rect{};

    w.Move(20, 50);
    EXPECT_EQ(w.CallNames(), (std::vector<std::string>{"enter"}));
    EXPECT_EQ(tools(), 1);
    EXPECT_EQ(tool(rect), "first");
    w.Forget();

    w.Move(210, 50);
    ASSERT_EQ(a.Count(notify::kMouseLeave), 1);
    EXPECT_EQ(a.Of(notify::kMouseLeave)[0].lparam, static_cast<LPARAM>(b.handle));
    ASSERT_EQ(b.Count(notify::kMouseEnter), 1);
    EXPECT_EQ(b.Of(notify::kMouseEnter)[0].lparam, static_cast<LPARAM>(a.handle));
    EXPECT_EQ(w.CallNames(), (std::vector<std::string>{"leave", "enter"}));
    EXPECT_EQ(w.Calls("leave")[0].control, a.handle);
    EXPECT_EQ(w.Calls("enter")[0].kind, kind::kButton);
    EXPECT_EQ(tools(), 1);  // one tool, moved
    EXPECT_EQ(tool(rect), "second");
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 40);
    EXPECT_EQ(rect.right, 280);
    EXPECT_EQ(rect.bottom, 70);
    w.Forget();

    w.Move(150, 250);  // bare background: enter with no control, the tool stays
    EXPECT_EQ(b.Count(notify::kMouseLeave), 1);
    ASSERT_EQ(w.Calls("enter").size(), 1u);
    EXPECT_EQ(w.Calls("enter")[0].control, 0u);
    EXPECT_EQ(w.host.hover, 0u);
    EXPECT_EQ(tools(), 1);

    w.Move(20, 160);  // a control without a tooltip text removes the tool
    EXPECT_EQ(plain.Count(notify::kMouseEnter), 1);
    EXPECT_EQ(tools(), 0);

    // An explicit text shows at once, over the control's bounds.
    a.TooltipText("now", true);
    EXPECT_EQ(tool(rect), "now");
    EXPECT_EQ(rect.left, 10);
}

// The tool follows the mouse without subclassing the window, so the host's
// stub stays the window procedure and Detach can take it out cleanly.
TEST_F(InputMouse, TheTooltipShowsOverItsControl) {
    Probe& a = w.Add({10, 40, 80, 30});
    a.TooltipText("tip");
    ShowWindow(w.hwnd, SW_SHOWNOACTIVATE);
    RECT frame;
    GetWindowRect(w.hwnd, &frame);
    SetCursorPos(frame.left + 20, frame.top + 50);
    w.Move(20, 50);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w.hwnd, GWLP_WNDPROC)), w.host.stub.proc());
    const DWORD start = GetTickCount();
    while (!IsWindowVisible(w.host.tooltipWindow) && GetTickCount() - start < 3000) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
    EXPECT_TRUE(IsWindowVisible(w.host.tooltipWindow));
}

TEST_F(InputMouse, HiddenAndDisabledControlsAreNotHit) {
    struct Case {
        const char* name;
        void (*hide)(Probe& top);
    };
    const Case cases[] = {
        {"hidden", [](Probe& top) { top.Visible(0); }},
        {"disabled", [](Probe& top) { top.Disabled(1); }},
        {"visible flag other than 1", [](Probe& top) { top.visible = 2; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputWindow win;
        Probe& under = win.Add({10, 40, 80, 30});
        Probe& top = win.Add({10, 40, 80, 30});
        c.hide(top);
        win.Forget();
        win.Click(20, 50);
        EXPECT_EQ(top.Count(WM_LBUTTONDOWN), 0);
        EXPECT_EQ(top.Count(notify::kClick), 0);
        EXPECT_EQ(under.Count(notify::kClick), 1);
    }
}

TEST_F(InputMouse, ChildrenOfAHiddenParentAreNotHit) {
    Probe& page = w.Add({0, 30, 300, 200}, kind::kPage, 0);
    Probe& child = w.Add({10, 40, 80, 30}, kind::kButton, 1, page.handle);
    w.Click(20, 50);
    EXPECT_EQ(child.Count(notify::kClick), 1);
    page.Visible(0);
    w.Forget();
    w.Click(20, 50);
    EXPECT_EQ(child.Count(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(page.Count(WM_LBUTTONDOWN), 0);
}

// Who takes a press: focusable controls and those answering the press query
// capture the mouse; the others let the window be dragged.
TEST(InputMousePress, CaptureFocusAndDragDependOnTheControl) {
    struct Case {
        const char* name;
        int focusable;
        int pressAnswer;
        int dragAnywhere;
        bool captures, focuses, drags;
    };
    const Case cases[] = {
        {"button", 1, -1, 1, true, true, false},
        {"label", 0, -1, 1, false, false, true},
        {"label, no dragging", 0, -1, 0, false, false, false},
        {"caption-button-like: answers the query", 0, 0, 1, true, false, false},
        {"focusable and answering", 1, 1, 1, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputWindow w({.captionFlags = 0, .resizable = 0, .dragAnywhere = c.dragAnywhere});
        Probe& p = w.Add({10, 40, 80, 30}, kind::kLabel, c.focusable);
        p.pressAnswer = c.pressAnswer;
        w.Down(20, 50);
        EXPECT_EQ(w.host.capturing == 1 && w.host.captured == p.handle, c.captures);
        EXPECT_EQ(w.host.focus == p.handle, c.focuses);
        EXPECT_EQ(w.DragsStarted(), c.drags ? 1 : 0);
        EXPECT_EQ(w.Calls("down").size(), c.captures ? 1u : 0u);
        EXPECT_EQ(p.Count(notify::kPressQuery), 1);
        EXPECT_EQ(p.Count(WM_LBUTTONDOWN), 1);  // the press itself reaches it in every case
        w.Up(20, 50);
        EXPECT_EQ(p.Count(notify::kClick), c.captures ? 1 : 0);
    }
}

TEST(InputMousePress, BackgroundPressesDragAndDoubleClicksNearTheTopMaximise) {
    struct Case {
        const char* name;
        int captionFlags;
        int dragAnywhere;
        int y;
        bool maximised;
        int drags;           // over both presses of the double click
        int sysCommands;
        WPARAM command;
    };
    const Case cases[] = {
        {"top band", caption::kMaximize, 1, 29, false, 2, 1, SC_MAXIMIZE},
        {"top band, maximised", caption::kMaximize, 1, 29, true, 2, 1, SC_RESTORE},
        {"top band without dragging", caption::kMaximize, 0, 29, false, 1, 1, SC_MAXIMIZE},
        {"below the band", caption::kMaximize, 1, 30, false, 1, 0, 0},
        {"no maximise button", 0, 1, 5, false, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputWindow w({.captionFlags = 0, .resizable = 0, .dragAnywhere = c.dragAnywhere});
        w.host.captionFlags = c.captionFlags;
        if (c.maximised) SetWindowLongA(w.hwnd, GWL_STYLE, GetWindowLongA(w.hwnd, GWL_STYLE) | WS_MAXIMIZE);
        w.DoubleClick(200, c.y);
        w.Pump();
        EXPECT_EQ(w.DragsStarted(), c.drags);
        EXPECT_EQ(w.SwallowedCount(WM_SYSCOMMAND), c.sysCommands);
        if (c.sysCommands) {
            EXPECT_EQ(w.SwallowedCount(WM_SYSCOMMAND, c.command), 1);
        }
        EXPECT_EQ(w.host.capturing, 0);
    }
}

TEST(InputMousePress, DoubleClickOnTheTitleMaximisesOnlyWithTitleAndMaximiseFlags) {
    for (const int flags : {caption::kTitle | caption::kMaximize, caption::kTitle}) {
        SCOPED_TRACE(flags);
        InputWindow w({.captionFlags = 0, .resizable = 0, .dragAnywhere = 0});
        w.host.captionFlags = flags;
        w.host.titleLabel = std::make_unique<CanvasControl>();
        w.host.titleLabel->Create(w.hwnd, {0, 11, 100, 18}, kind::kLabel, 1, 0);
        w.DoubleClick(20, 15);
        w.Pump();
        EXPECT_EQ(w.SwallowedCount(WM_SYSCOMMAND, SC_MAXIMIZE), flags & caption::kMaximize ? 1 : 0);
        EXPECT_EQ(w.DragsStarted(), 0);
    }
}

TEST_F(InputMouse, RightButtonReportsTheControlUnderTheMouse) {
    Probe& a = w.Add({10, 40, 80, 30}, kind::kEditBox);
    w.Move(20, 50);
    SendMessageA(w.hwnd, WM_RBUTTONDOWN, MK_RBUTTON, Point(20, 50));
    SendMessageA(w.hwnd, WM_RBUTTONUP, 0, Point(20, 50));
    SendMessageA(w.hwnd, WM_RBUTTONUP, 0, Point(300, 250));
    ASSERT_EQ(w.Calls("rdown").size(), 1u);
    EXPECT_EQ(w.Calls("rdown")[0].control, a.handle);
    EXPECT_EQ(w.Calls("rdown")[0].kind, kind::kEditBox);
    const auto ups = w.Calls("rup");
    ASSERT_EQ(ups.size(), 2u);
    EXPECT_EQ(ups[0].control, a.handle);
    EXPECT_EQ(ups[1].control, 0u);
    EXPECT_EQ(ups[1].kind, 0);
    EXPECT_EQ(a.Count(WM_RBUTTONDOWN), 1);
    EXPECT_EQ(a.Count(WM_RBUTTONUP), 1);
    EXPECT_EQ(w.host.capturing, 0);  // only the left button captures
}

TEST_F(InputMouse, NothingIsRoutedWhileBusy) {
    Probe& a = w.Add({10, 40, 80, 30});
    a.Forget();
    w.host.busy = 1;
    w.Move(20, 50);
    w.Click(20, 50);
    w.host.busy = 0;
    EXPECT_TRUE(a.received.empty());
    EXPECT_TRUE(w.calls.empty());
    EXPECT_EQ(w.host.hover, 0u);
    EXPECT_EQ(w.host.capturing, 0);
}

// A control that goes away while it holds the capture, the hover and the
// focus leaves nothing behind that a later message could reach.
TEST_F(InputMouse, ControlDestroyedWhileHoldingCaptureHoverAndFocus) {
    Probe& a = w.Add({10, 40, 80, 30});
    Probe& b = w.Add({200, 40, 80, 30});
    w.Move(20, 50);
    w.Down(20, 50);
    const Handle gone = a.handle;
    w.probes.erase(w.probes.begin());  // deletes a
    EXPECT_EQ(w.host.capturing, 0);
    EXPECT_EQ(w.host.captured, 0u);
    EXPECT_EQ(w.host.hover, 0u);
    EXPECT_EQ(w.host.focus, 0u);
    EXPECT_NE(GetCapture(), w.hwnd);
    w.Forget();
    w.Move(210, 50);
    w.Up(210, 50);
    w.Key(VK_RETURN);
    EXPECT_EQ(b.Count(notify::kMouseEnter), 1);
    for (const auto& call : w.calls) EXPECT_NE(call.control, gone) << call.name;
}

TEST_F(InputMouse, ClickRoutineThatDestroysTheControlOrTheWindow) {
    Probe& a = w.Add({10, 40, 80, 30});
    a.BindEvent(notify::kClick, [&](const ControlEvent&) { w.probes.clear(); });
    w.Click(20, 50);
    EXPECT_EQ(w.host.hover, 0u);
    EXPECT_EQ(w.host.capturing, 0);
    w.Move(20, 50);  // nothing there any more
    EXPECT_EQ(w.host.hover, 0u);

    Probe& b = w.Add({10, 40, 80, 30});
    b.BindEvent(notify::kClick, [&](const ControlEvent&) { DestroyWindow(w.hwnd); });
    w.Click(20, 50);
    EXPECT_FALSE(IsWindow(w.hwnd));
    EXPECT_EQ(w.host.hover, 0u);
    EXPECT_EQ(w.host.focus, 0u);
    EXPECT_EQ(w.host.capturing, 0);
}

TEST_F(InputMouse, APressOnADifferentControlMovesTheFocusAndClearsTheCue) {
    Probe& a = w.Add({10, 40, 80, 30});
    Probe& b = w.Add({200, 40, 80, 30});
    w.host.SetFocus(a.handle, true);
    ASSERT_EQ(w.host.focusCue, a.handle);
    w.Forget();
    w.Down(210, 50);
    EXPECT_EQ(w.host.focus, b.handle);
    EXPECT_EQ(w.host.focusCue, 0u);
    ASSERT_EQ(a.Count(notify::kLostFocus), 1);
    EXPECT_EQ(a.Of(notify::kLostFocus)[0].wparam, static_cast<WPARAM>(MK_LBUTTON));
    EXPECT_EQ(a.Of(notify::kLostFocus)[0].lparam, static_cast<LPARAM>(b.handle));
    EXPECT_EQ(b.Of(notify::kGotFocus)[0].lparam, static_cast<LPARAM>(a.handle));
    ASSERT_EQ(w.Calls("blur").size(), 1u);
    EXPECT_EQ(w.Calls("blur")[0].control, a.handle);
    EXPECT_EQ(w.Calls("focus")[0].control, b.handle);
    w.Up(210, 50);
}

}  // namespace
