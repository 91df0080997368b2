#include "app/Program.h"
#include "runtime/FormWindow.h"
#include "runtime/MessageLoop.h"

#include <gtest/gtest.h>

using namespace lanvo;

namespace {

constexpr UINT kWatchdogMs = 10000;

// Runs inside the program's loop: closes the main window as its close button would.
void CALLBACK CloseMainWindow(HWND, UINT, UINT_PTR id, DWORD) {
    HWND main = FindWindowA(runtime::FormWindow::kClassName, "Lanvo3.0");
    if (!main || !IsWindowVisible(main)) return;
    KillTimer(nullptr, id);
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool watchdogFired = false;
void CALLBACK Watchdog(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    watchdogFired = true;
    runtime::MessageLoop::End(99);
}

}  // namespace

TEST(Program, TheLoopEndsWithCode0WhenTheMainWindowIsClosed) {
    AppObjects objects;
    const UINT_PTR closer = SetTimer(nullptr, 0, 50, CloseMainWindow);
    const UINT_PTR watchdog = SetTimer(nullptr, 0, kWatchdogMs, Watchdog);
    EXPECT_EQ(RunMainWindow(objects), 0);
    KillTimer(nullptr, closer);
    KillTimer(nullptr, watchdog);
    EXPECT_FALSE(watchdogFired);
    EXPECT_EQ(runtime::FormWindow::LiveCount(), 0);
    EXPECT_FALSE(IsWindow(objects.mainWindowHandle));
}
