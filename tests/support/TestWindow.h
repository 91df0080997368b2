#pragma once
// A toolkit window with a host attached, destroyed at the end of the scope,
// and a control that records what it receives.

#include "canvas/core/CanvasControl.h"
#include "canvas/core/CanvasHost.h"
#include "canvas/services/Toolkit.h"

#include <vector>

namespace testing_support {

struct TestWindow {
    explicit TestWindow(int width = 400, int height = 300, canvas::AttachOptions options = {.captionFlags = 0},
                        DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU) {
        hwnd = canvas::CreateTopLevelWindow(
            {.title = "test", .x = 100, .y = 100, .width = width, .height = height, .style = style});
        attached = host.Attach(hwnd, options);
    }
    ~TestWindow() {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    // Delivers what is posted to the window (redraw requests, ...).
    void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }

    HWND hwnd = nullptr;
    canvas::CanvasHost host;
    bool attached = false;
};

struct Received {
    UINT code;
    WPARAM wparam;
    LPARAM lparam;
};

// Records every code; answers `answers[code]` when set, else the base's answer.
class RecordingControl : public canvas::CanvasControl {
public:
    int HandleMessage(canvas::Handle h, UINT code, WPARAM wparam, LPARAM lparam) override {
        received.push_back({code, wparam, lparam});
        for (const auto& [c, answer] : answers)
            if (c == code) return answer;
        return CanvasControl::HandleMessage(h, code, wparam, lparam);
    }
    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const auto& r : received) codes.push_back(r.code);
        return codes;
    }
    // The codes received from the toolkit's own range, in order.
    std::vector<UINT> ToolkitCodes() const {
        std::vector<UINT> codes;
        for (const auto& r : received)
            if (r.code >= 10240 && r.code <= 10262) codes.push_back(r.code);
        return codes;
    }
    std::vector<Received> received;
    std::vector<std::pair<UINT, int>> answers;
};

}  // namespace testing_support
