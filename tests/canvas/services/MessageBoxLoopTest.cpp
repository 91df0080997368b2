// The box's own loop: what the thread's other windows get while it runs,
// the program's quit, boxes inside boxes, and owners that go away.
#include "MessageBoxDriver.h"
#include "MessagePump.h"
#include "TestWindow.h"

#include "canvas/services/MessageBox.h"

#include <gtest/gtest.h>

#include <vector>

using namespace canvas;
using box_driver::After;
using box_driver::OpenBox;

namespace {

constexpr UINT kSoon = 30;
constexpr UINT_PTR kOwnerTimer = 77;

// An owner window on screen that records the messages its host sees.
struct RecordingOwner {
    RecordingOwner() {
        ShowWindow(window.hwnd, SW_SHOWNOACTIVATE);
        // Input is recorded and goes no further (a press on the background
        // would start the system's move loop).
        window.host.OnMessage([this](HWND, UINT message, WPARAM wparam, LPARAM) -> LRESULT {
            seen.push_back(message);
            if (message == WM_TIMER && wparam == kOwnerTimer) ++ownTimerTicks;
            return IsInput(message) ? 0 : -1;
        });
        testing_support::PumpPending();
        seen.clear();
    }
    int Count(UINT message) const {
        int n = 0;
        for (const UINT m : seen) n += m == message;
        return n;
    }
    static bool IsInput(UINT m) { return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m >= 0x200 && m <= 0x20E); }
    int InputCount() const {
        int n = 0;
        for (const UINT m : seen) n += IsInput(m);
        return n;
    }
    // Before the window: its last messages are still recorded while it goes.
    std::vector<UINT> seen;
    int ownTimerTicks = 0;
    testing_support::TestWindow window{300, 200};
};

// Everything a user could aim at a window with the mouse and the keyboard.
void PostUserInput(HWND window) {
    const LPARAM at = MAKELPARAM(50, 50);
    for (const UINT m : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
                         WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MOUSEWHEEL, 0x20E /* WM_MOUSEHWHEEL */})
        PostMessageA(window, m, 0, at);
    for (const UINT m : {WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP})
        PostMessageA(window, m, 'A', 1);
}

}  // namespace

// Input waiting when the box opens (the second click of a double click),
// input during the show and close animations (which let messages run) and
// input while the box waits are all kept from the owner.
TEST(MessageBoxLoop, OwnerGetsNoInputButRepaintsAndRunsItsTimers) {
    for (const int effect : {0, 1}) {
        SCOPED_TRACE(effect);
        RecordingOwner owner;
        int inputDuringBox = -1, paintsDuringBox = -1, ticksDuringBox = -1;
        const auto opened = OpenBox(owner.window.hwnd, "模态", {.showEffect = effect, .closeEffect = effect}, [&](HWND box) {
            PostUserInput(owner.window.hwnd);
            After(kSoon, [&owner] {
                PostUserInput(owner.window.hwnd);
                InvalidateRect(owner.window.hwnd, nullptr, FALSE);
                SetTimer(owner.window.hwnd, kOwnerTimer, 10, nullptr);
            });
            After(400, [&, box] {
                inputDuringBox = owner.InputCount();
                paintsDuringBox = owner.Count(WM_PAINT);
                ticksDuringBox = owner.ownTimerTicks;
                KillTimer(owner.window.hwnd, kOwnerTimer);
                box_driver::PressKey(box, VK_ESCAPE);
                PostUserInput(owner.window.hwnd);  // during the close animation
            });
        });
        EXPECT_FALSE(opened.timedOut);
        EXPECT_EQ(opened.result, boxResult::kCancel);
        EXPECT_EQ(inputDuringBox, 0);
        EXPECT_GE(paintsDuringBox, 1);
        EXPECT_GE(ticksDuringBox, 2);
        testing_support::PumpPending();
        EXPECT_EQ(owner.InputCount(), 0);

        // Once the box is gone the same input reaches the owner again.
        owner.seen.clear();
        PostUserInput(owner.window.hwnd);
        testing_support::PumpPending();
        EXPECT_GE(owner.InputCount(), 16);
    }
}

TEST(MessageBoxLoop, TheOwnerHearsTheMouseLeftWhenTheBoxOpens) {
    RecordingOwner owner;
    const auto opened = OpenBox(owner.window.hwnd, "悬停", {}, [&](HWND box) {
        After(kSoon, [box] { box_driver::PressKey(box, VK_ESCAPE); });
    });
    EXPECT_EQ(opened.result, boxResult::kCancel);
    // Sent before the box shows, and posted once it is in front.
    EXPECT_GE(owner.Count(WM_MOUSELEAVE), 2);
}

TEST(MessageBoxLoop, QuitEndsTheBoxAndReachesTheOuterLoop) {
    constexpr int kExitCode = 42;
    const auto opened = OpenBox(nullptr, "退出", {.buttons = boxButtons::kYesNo}, [](HWND) {
        After(kSoon, [] { PostQuitMessage(kExitCode); });
    });
    EXPECT_FALSE(opened.timedOut);
    EXPECT_EQ(opened.result, boxResult::kCancel);
    EXPECT_FALSE(IsWindow(opened.box));
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(kExitCode));
}

TEST(MessageBoxLoop, QuitInsideABoxInsideABoxEndsBothAndStillReachesTheOuterLoop) {
    box_driver::Opened inner;
    const auto outer = OpenBox(nullptr, "外层", {.buttons = boxButtons::kOkCancel}, [&](HWND) {
        After(kSoon, [&] {
            inner = OpenBox(nullptr, "内层", {}, [](HWND) { After(kSoon, [] { PostQuitMessage(7); }); });
        });
    });
    EXPECT_EQ(inner.result, boxResult::kCancel);
    EXPECT_EQ(outer.result, boxResult::kCancel);
    EXPECT_FALSE(outer.timedOut);
    EXPECT_FALSE(IsWindow(inner.box));
    EXPECT_FALSE(IsWindow(outer.box));
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

// A box opened from inside another box (here from a timer that runs in the
// outer box's loop) is modal to it: a click aimed at the outer box is
// dropped, and each box answers its own button.
TEST(MessageBoxLoop, BoxInsideABoxAnswersItsOwnButtons) {
    box_driver::Opened inner;
    int outerClosedWhileInner = 0;
    const auto outer = OpenBox(nullptr, "外层", {.buttons = boxButtons::kAbortRetryIgnore}, [&](HWND outerBox) {
        After(kSoon, [&, outerBox] {
            inner = OpenBox(outerBox, "内层", {.buttons = boxButtons::kYesNo}, [&, outerBox](HWND innerBox) {
                After(kSoon, [&, outerBox, innerBox] {
                    box_driver::ClickButton(outerBox, 2);  // dropped: "忽略" of the outer box
                    box_driver::ClickButton(innerBox, 0);  // "是(&Y)"
                });
            });
            outerClosedWhileInner = IsWindow(outerBox) ? 0 : 1;
            After(kSoon, [outerBox] { box_driver::ClickButton(outerBox, 1); });  // "重试"
        });
    });
    EXPECT_FALSE(outer.timedOut);
    EXPECT_EQ(inner.result, boxResult::kYes);
    EXPECT_EQ(outerClosedWhileInner, 0);
    EXPECT_EQ(outer.result, boxResult::kRetry);
}

TEST(MessageBoxLoop, OwnerDestroyedWhileTheBoxIsOpenEndsTheBox) {
    HWND owner = CreateTopLevelWindow({.title = "owner", .x = 50, .y = 50, .width = 200, .height = 100, .show = true});
    ASSERT_TRUE(owner);
    const auto opened = OpenBox(owner, "主窗口没了", {.buttons = boxButtons::kYesNo}, [owner](HWND) {
        After(kSoon, [owner] { DestroyWindow(owner); });
    });
    EXPECT_FALSE(opened.timedOut);
    EXPECT_EQ(opened.result, boxResult::kCancel);
    EXPECT_FALSE(IsWindow(opened.box));
}

TEST(MessageBoxLoop, AnOwnerThatIsNoWindowCountsAsNone) {
    HWND gone = CreateTopLevelWindow({.title = "gone"});
    ASSERT_TRUE(gone);
    DestroyWindow(gone);
    WorkArea work;
    ASSERT_TRUE(GetWorkArea(work));
    for (const HWND owner : {gone, static_cast<HWND>(nullptr)}) {
        RECT placed{};
        HWND boxOwner = reinterpret_cast<HWND>(1);
        const auto opened = OpenBox(owner, "没有主人", {.centreOnOwner = true}, [&](HWND box) {
            GetWindowRect(box, &placed);
            boxOwner = GetWindow(box, GW_OWNER);
            After(kSoon, [box] { box_driver::ClickButton(box, 0); });
        });
        // The message is still shown, centred on the work area, and answered.
        EXPECT_EQ(opened.result, boxResult::kOk);
        EXPECT_EQ(boxOwner, nullptr);
        EXPECT_EQ(placed.left, static_cast<int>(work.left + (work.width - 320) / 2.0));
        EXPECT_EQ(placed.top, static_cast<int>(work.top + (work.height - 150) / 2.0));
    }
}
