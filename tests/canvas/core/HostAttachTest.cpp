#include "TestWindow.h"

#include <gtest/gtest.h>

using namespace canvas;
using testing_support::RecordingControl;
using testing_support::TestWindow;

namespace {

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
int gDestroySeen = 0;
int gSetTextSeen = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) ++gDestroySeen;
    if (message == WM_SETTEXT) ++gSetTextSeen;
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

const char* kCountingClass = "HostAttachTestClass";

HWND CountingWindow(DWORD style = WS_POPUP) {
    static bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = CountingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kCountingClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    return CreateWindowExA(0, kCountingClass, "old title", style, 0, 0, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

TEST(HostAttach, RefusesNullDeadAndAlreadyAttachedWindows) {
    CanvasHost host;
    EXPECT_FALSE(host.Attach(nullptr));
    HWND dead = CountingWindow();
    DestroyWindow(dead);
    EXPECT_FALSE(host.Attach(dead));
    EXPECT_EQ(host.window, nullptr);

    HWND w = CountingWindow();
    ASSERT_TRUE(host.Attach(w, {.captionFlags = 0}));
    const WNDPROC installed = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w, GWLP_WNDPROC));
    EXPECT_FALSE(host.Attach(w));  // the same window again
    CanvasHost other;
    EXPECT_FALSE(other.Attach(w));  // a window that already has a host
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w, GWLP_WNDPROC)), installed);
    EXPECT_EQ(HostOfWindow(w), &host);
    DestroyWindow(w);
}

TEST(HostAttach, StubDeliversMessagesAndDetachGivesTheWindowBack) {
    HWND w = CountingWindow();
    const WNDPROC original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w, GWLP_WNDPROC));
    CanvasHost host;
    ASSERT_TRUE(host.Attach(w, {.captionFlags = 0}));
    const WNDPROC installed = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w, GWLP_WNDPROC));
    EXPECT_NE(installed, original);
    EXPECT_EQ(host.previousProc, original);
    ASSERT_NE(host.stub.code(), nullptr);
#if defined(_WIN64)
    EXPECT_EQ(host.stub.code()[0], 0x48);
    EXPECT_EQ(host.stub.code()[1], 0xB9);
    EXPECT_EQ(host.stub.code()[20], 0xFF);
    EXPECT_EQ(host.stub.code()[21], 0xE0);
#endif
    std::vector<UINT> seen;
    host.OnMessage([&](HWND hwnd, UINT m, WPARAM, LPARAM) -> LRESULT {
        EXPECT_EQ(hwnd, w);
        seen.push_back(m);
        return m == WM_USER + 5 ? 42 : -1;
    });
    EXPECT_EQ(SendMessageA(w, WM_USER + 5, 0, 0), 42);
    EXPECT_EQ(seen, std::vector<UINT>{WM_USER + 5});
    EXPECT_EQ(GetPropA(w, kHostProperty), reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(host.handle)));

    gDestroySeen = 0;
    DestroyWindow(w);
    EXPECT_EQ(gDestroySeen, 1);  // WM_DESTROY still reaches the previous procedure
    EXPECT_EQ(host.stub.proc(), nullptr);
    EXPECT_EQ(host.back.dc(), nullptr);
    EXPECT_EQ(host.windowDc, nullptr);
    EXPECT_EQ(host.tooltipWindow, nullptr);
}

TEST(HostAttach, CaptionFlagDefaultsFollowTheWindowsBoxes) {
    const struct {
        const char* name;
        std::optional<int> given;
        DWORD style;
        int expected;
    } cases[] = {
        {"absent, both boxes", {}, WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 1 | 2 | 4 | 8 | 16},
        {"absent, no boxes", {}, WS_POPUP, 1 | 2 | 4},
        {"1024 | 32", 1024 | 32, WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 1024 | 32 | 1 | 2 | 4 | 8 | 16},
        {"given 4 | 8", 4 | 8, WS_POPUP, 4 | 8},
        {"given 0", 0, WS_POPUP | WS_MINIMIZEBOX, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND w = CountingWindow(c.style);
        CanvasHost host;
        ASSERT_TRUE(host.Attach(w, {.captionFlags = c.given}));
        EXPECT_EQ(host.captionFlags, c.expected);
        const LONG style = GetWindowLongA(w, GWL_STYLE);
        EXPECT_EQ((style & WS_SYSMENU) != 0, !c.given || *c.given != 0);
        // Boxes are only ever removed, never added.
        EXPECT_EQ((style & WS_MINIMIZEBOX) != 0, (c.style & WS_MINIMIZEBOX) && (c.expected & 16));
        EXPECT_EQ((style & WS_MAXIMIZEBOX) != 0, (c.style & WS_MAXIMIZEBOX) && (c.expected & 8));
        EXPECT_TRUE(style & WS_POPUP);
        DestroyWindow(w);
    }
}

TEST(HostAttach, SetTextIsAnsweredWithoutChangingTheWindowText) {
    HWND w = CountingWindow();
    CanvasHost host;
    ASSERT_TRUE(host.Attach(w, {.captionFlags = 2}));
    gSetTextSeen = 0;
    EXPECT_EQ(SendMessageA(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new")), 1);
    EXPECT_EQ(gSetTextSeen, 0);
    char text[32] = {};
    GetWindowTextA(w, text, sizeof text);
    EXPECT_STREQ(text, "old title");
    DestroyWindow(w);
}

TEST(HostAttach, MinMaxInfoOverlapsTheWorkArea) {
    TestWindow t;
    WorkArea work;
    ASSERT_TRUE(GetWorkArea(work));
    MINMAXINFO info{};
    EXPECT_EQ(SendMessageA(t.hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(info.ptMaxSize.x, work.width + 14);
    EXPECT_EQ(info.ptMaxSize.y, work.height + 14);
    EXPECT_EQ(info.ptMaxPosition.x, work.left - 7);
    EXPECT_EQ(info.ptMaxPosition.y, work.top - 7);
    EXPECT_EQ(info.ptMinTrackSize.x, 21);  // no caption
    EXPECT_EQ(info.ptMinTrackSize.y, 20);
}

TEST(HostAttach, TimerWithAControlsHandleReachesThatControl) {
    TestWindow t;
    RecordingControl c;
    const Handle h = c.Create(t.hwnd, {0, 0, 10, 10}, 2, 1);
    c.received.clear();
    SendMessageA(t.hwnd, WM_TIMER, h, 77);
    ASSERT_EQ(c.Codes(), std::vector<UINT>{WM_TIMER});
    EXPECT_EQ(c.received[0].wparam, h);
    EXPECT_EQ(c.received[0].lparam, 77);
    // Unknown ids and handle 0 go nowhere.
    SendMessageA(t.hwnd, WM_TIMER, 0xFFFFFF01u, 0);
    SendMessageA(t.hwnd, hostmsg::kRepaint, 0, 0);
    EXPECT_EQ(c.received.size(), 1u);
}

TEST(HostAttach, HostMessagesReachTheirControls) {
    TestWindow t;
    RecordingControl c;
    const Handle h = c.Create(t.hwnd, {0, 0, 10, 10}, 2, 1);
    c.received.clear();
    SendMessageA(t.hwnd, hostmsg::kRepaint, 0, h);
    SendMessageA(t.hwnd, hostmsg::kEcho10258, 9, h);
    EXPECT_EQ(SendMessageA(t.hwnd, hostmsg::kSetAccessKey, h, 'S'), 1);
    ASSERT_EQ(c.Codes(), (std::vector<UINT>{WM_PAINT, 10258}));
    EXPECT_EQ(c.received[1].lparam, 9);
    ASSERT_EQ(t.host.accessKeys.size(), 1u);
    EXPECT_EQ(t.host.accessKeys[0], (std::pair<Handle, int>{h, 'S'}));
    // A destroyed control receives nothing more.
    c.Destroy();
    c.received.clear();
    SendMessageA(t.hwnd, hostmsg::kRepaint, 0, h);
    EXPECT_TRUE(c.received.empty());
    EXPECT_TRUE(t.host.accessKeys.empty());
}

TEST(HostAttach, SizeChangesAreReportedOnceAndMinimisingChangesNothing) {
    TestWindow t(300, 200);
    std::vector<std::pair<int, int>> sizes;
    t.host.OnSize([&](HWND, int w, int h) { sizes.emplace_back(w, h); });
    SendMessageA(t.hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
    SendMessageA(t.hwnd, WM_SIZE, SIZE_RESTORED, 0);  // no change of the window rectangle
    EXPECT_TRUE(sizes.empty());
    SetWindowPos(t.hwnd, nullptr, 0, 0, 320, 210, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0], (std::pair<int, int>{320, 210}));
    EXPECT_EQ(t.host.back.width(), 320);
    EXPECT_EQ(t.host.background.height(), 210);
}

TEST(HostAttach, RepeatedAttachAndDestroyLeaksNothing) {
    const auto gdi = [] { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); };
    const auto user = [] { return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS); };
    const auto round = [] {
        TestWindow t(200, 150);
        CanvasControl page, a, b;
        const Handle hp = page.Create(t.hwnd, {0, 0, 100, 100}, 16, 1);
        Handle parent = a.Create(hp, {0, 0, 50, 50}, 2, 1);
        b.Create(parent, {5, 5, 20, 20}, 2, 1);
        t.Pump();
    };
    for (int i = 0; i < 3; ++i) round();
    const DWORD gdiBefore = gdi(), userBefore = user();
    for (int i = 0; i < 30; ++i) round();
    EXPECT_LE(gdi(), gdiBefore + 2);
    EXPECT_LE(user(), userBefore + 2);
}
