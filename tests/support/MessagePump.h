#pragma once
// Running the test thread's messages by hand, with a deadline instead of a
// blind sleep.

#include <windows.h>

#include <functional>

namespace testing_support {

// Dispatches every message that is waiting, without blocking.
inline void PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Dispatches messages until done() holds or timeoutMs have passed; done().
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

}  // namespace testing_support
