#include "runtime/MessageLoop.h"

#include "runtime/FormWindow.h"

#include <windows.h>

#include <optional>

namespace runtime {
namespace {

std::optional<int> requestedEnd;
std::optional<int> quitCode;  // a WM_QUIT taken by a nested loop

// Dispatches one message; false when the loop has to stop.
bool PumpOne() {
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
        quitCode = static_cast<int>(msg.wParam);
        return false;
    }
    if (got == -1) return false;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

bool Stopping() { return requestedEnd || quitCode; }

}  // namespace

int MessageLoop::Run() {
    while (!Stopping() && FormWindow::LiveCount() > 0 && PumpOne()) {
    }
    const int code = requestedEnd ? *requestedEnd : quitCode.value_or(0);
    requestedEnd.reset();
    quitCode.reset();
    return code;
}

void MessageLoop::RunWhile(const std::function<bool()>& keepGoing) {
    while (!Stopping() && keepGoing() && PumpOne()) {
    }
}

void MessageLoop::End(int code) {
    requestedEnd = code;
    FormWindow::DestroyAll();
    Wake();
}

void MessageLoop::Wake() { PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0); }

}  // namespace runtime
