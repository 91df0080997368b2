#pragma once
// A toolkit window for the input tests: it records the host-level callbacks,
// swallows the requests that would start the system's modal move and size
// loops (recording them instead), and sends the mouse and key messages a user
// would cause.

#include "canvas/core/CanvasControl.h"
#include "canvas/core/CanvasHost.h"
#include "canvas/services/Toolkit.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace input_test {

inline constexpr WPARAM kDoubleClickMarker = 10086;

struct Received {
    UINT code;
    WPARAM wparam;
    LPARAM lparam;
};

// A control that records every code it receives and can answer the press
// query and key messages.
class Probe : public canvas::CanvasControl {
public:
    int HandleMessage(canvas::Handle h, UINT code, WPARAM wparam, LPARAM lparam) override {
        received.push_back({code, wparam, lparam});
        if (code == canvas::notify::kPressQuery) return pressAnswer;
        if (code == WM_KEYDOWN && keyAnswer) return *keyAnswer;
        return CanvasControl::HandleMessage(h, code, wparam, lparam);
    }
    std::vector<Received> Of(UINT code) const {
        std::vector<Received> found;
        for (const auto& r : received)
            if (r.code == code) found.push_back(r);
        return found;
    }
    int Count(UINT code) const { return static_cast<int>(Of(code).size()); }
    void Forget() { received.clear(); }

    std::vector<Received> received;
    int pressAnswer = -1;  // -1: takes the mouse only when focusable
    std::optional<int> keyAnswer;
};

struct HostCall {
    std::string name;
    canvas::Handle control;
    WPARAM wparam;
    LPARAM lparam;
    int kind;
};

struct Swallowed {
    UINT message;
    WPARAM wparam;
};

inline LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class InputWindow {
public:
    explicit InputWindow(canvas::AttachOptions options = {.captionFlags = 0, .resizable = 0}, int width = 400,
                         int height = 300) {
        hwnd = canvas::CreateTopLevelWindow({.title = "input", .x = 100, .y = 100, .width = width, .height = height,
                                             .style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU});
        attached = host.Attach(hwnd, options);
        host.OnMessage([this](HWND, UINT message, WPARAM wparam, LPARAM) -> LRESULT {
            if (message != WM_NCLBUTTONDOWN && message != WM_SYSCOMMAND) return -1;
            swallowed.push_back({message, wparam});
            return 0;
        });
        const auto record = [this](const char* name) {
            return [this, name](HWND, canvas::Handle control, WPARAM wparam, LPARAM lparam, int kind) {
                calls.push_back({name, control, wparam, lparam, kind});
            };
        };
        host.OnMouseDown(record("down"));
        host.OnMouseUp(record("up"));
        host.OnClick(record("click"));
        host.OnDoubleClick(record("double"));
        host.OnRightDown(record("rdown"));
        host.OnRightUp(record("rup"));
        host.OnMouseEnter(record("enter"));
        host.OnMouseLeave(record("leave"));
        host.OnFocus(record("focus"));
        host.OnBlur(record("blur"));
    }
    ~InputWindow() {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    InputWindow(const InputWindow&) = delete;
    InputWindow& operator=(const InputWindow&) = delete;

    Probe& Add(canvas::RectF bounds, int kind = canvas::kind::kButton, int focusable = 1,
               canvas::Handle parent = 0) {
        auto probe = std::make_unique<Probe>();
        if (parent)
            probe->Create(parent, bounds, kind, 1, focusable);
        else
            probe->Create(hwnd, bounds, kind, 1, focusable);
        probes.push_back(std::move(probe));
        return *probes.back();
    }

    LRESULT Move(int x, int y, WPARAM keys = 0) { return SendMessageA(hwnd, WM_MOUSEMOVE, keys, Point(x, y)); }
    LRESULT Down(int x, int y) { return SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y)); }
    LRESULT Up(int x, int y) { return SendMessageA(hwnd, WM_LBUTTONUP, 0, Point(x, y)); }
    LRESULT DoubleDown(int x, int y) { return SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(x, y)); }
    void Click(int x, int y) {
        Down(x, y);
        Up(x, y);
    }
    void DoubleClick(int x, int y) {
        Click(x, y);
        DoubleDown(x, y);
        Up(x, y);
    }
    LRESULT Key(WPARAM key) { return SendMessageA(hwnd, WM_KEYDOWN, key, 1); }
    // Alt+key: the context bit (29) marks the Alt key held down.
    LRESULT AltKey(WPARAM key) { return SendMessageA(hwnd, WM_SYSKEYDOWN, key, 1 | (1 << 29)); }

    // Delivers what was posted to the window.
    void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }

    std::vector<HostCall> Calls(const std::string& name) const {
        std::vector<HostCall> found;
        for (const auto& c : calls)
            if (c.name == name) found.push_back(c);
        return found;
    }
    std::vector<std::string> CallNames() const {
        std::vector<std::string> names;
        for (const auto& c : calls) names.push_back(c.name);
        return names;
    }
    int SwallowedCount(UINT message, std::optional<WPARAM> wparam = {}) const {
        return static_cast<int>(std::count_if(swallowed.begin(), swallowed.end(), [&](const Swallowed& s) {
            return s.message == message && (!wparam || s.wparam == *wparam);
        }));
    }
    int DragsStarted() const { return SwallowedCount(WM_NCLBUTTONDOWN, HTCAPTION); }
    void Forget() {
        calls.clear();
        swallowed.clear();
        for (auto& p : probes) p->Forget();
    }

    HWND hwnd = nullptr;
    canvas::CanvasHost host;
    bool attached = false;
    std::vector<HostCall> calls;
    std::vector<Swallowed> swallowed;
    std::vector<std::unique_ptr<Probe>> probes;
};

}  // namespace input_test
