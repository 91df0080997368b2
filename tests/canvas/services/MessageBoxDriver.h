#pragma once
// Driving a message box as a user would. The box blocks the calling thread
// in its own loop, so what the user does is scheduled beforehand: After()
// sets a thread timer whose routine acts once the loop runs.

#include "canvas/controls/Button.h"
#include "canvas/core/CanvasHost.h"
#include "canvas/services/MessageBox.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace box_driver {

inline std::map<UINT_PTR, std::function<void()>>& Pending() {
    static std::map<UINT_PTR, std::function<void()>> pending;
    return pending;
}

inline void CALLBACK RunPending(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    const auto found = Pending().find(id);
    if (found == Pending().end()) return;
    const std::function<void()> act = std::move(found->second);
    Pending().erase(found);
    act();
}

// Runs act once, about ms later, from whatever loop is dispatching then.
inline UINT_PTR After(UINT ms, std::function<void()> act) {
    const UINT_PTR id = SetTimer(nullptr, 0, ms, RunPending);
    if (id) Pending()[id] = std::move(act);
    return id;
}

inline void Cancel(UINT_PTR id) {
    KillTimer(nullptr, id);
    Pending().erase(id);
}

// Drops what was scheduled and not run (a failed test leaves no timer behind).
inline void ClearPending() {
    for (const auto& [id, act] : Pending()) KillTimer(nullptr, id);
    Pending().clear();
}

// The box's push buttons from left to right.
inline std::vector<canvas::Button*> ButtonsOf(HWND box) {
    std::vector<canvas::Button*> buttons;
    canvas::CanvasHost* host = canvas::HostOfWindow(box);
    if (!host) return buttons;
    for (canvas::CanvasControl* c = canvas::ControlFromHandle(host->firstControl); c;
         c = canvas::ControlFromHandle(c->nextSibling)) {
        if (auto* b = dynamic_cast<canvas::Button*>(c); b && c->kind == canvas::kind::kButton) buttons.push_back(b);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const canvas::Button* a, const canvas::Button* b) { return a->bounds.x < b->bounds.x; });
    return buttons;
}

inline std::vector<std::string> CaptionsOf(HWND box) {
    std::vector<std::string> captions;
    for (canvas::Button* b : ButtonsOf(box)) captions.push_back(b->text);
    return captions;
}

// A press and a release at the centre of a control, as the mouse makes them.
inline void ClickAt(HWND window, const canvas::RectF& r) {
    const LPARAM at = MAKELPARAM(static_cast<int>(r.x + r.width / 2), static_cast<int>(r.y + r.height / 2));
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

// Clicks the index-th button from the left.
inline void ClickButton(HWND box, std::size_t index) {
    const std::vector<canvas::Button*> buttons = ButtonsOf(box);
    if (index < buttons.size()) ClickAt(box, buttons[index]->bounds);
}

inline void PressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// What a box did: its answer, its window (gone by now) and its size when built.
struct Opened {
    int result = -100;
    HWND box = nullptr;
    int width = 0, height = 0;
    bool timedOut = false;
};

// Opens a box; plan(box) runs once it is built (before it shows) and
// schedules what the user does. A box still open after a few seconds is
// destroyed, so a failing test cannot hang the program.
inline Opened OpenBox(HWND owner, const std::string& text, canvas::MessageBoxOptions options,
                      const std::function<void(HWND)>& plan) {
    constexpr UINT kWatchdogMs = 6000;
    Opened opened;
    UINT_PTR watchdog = 0;
    auto created = options.onCreated;
    options.onCreated = [&](HWND box, int width, int height) {
        opened.box = box;
        opened.width = width;
        opened.height = height;
        watchdog = After(kWatchdogMs, [box, &opened] {
            if (!IsWindow(box)) return;
            opened.timedOut = true;
            DestroyWindow(box);
        });
        if (created) created(box, width, height);
        if (plan) plan(box);
    };
    static int depth = 0;  // a box opened from inside another one keeps the outer one's timers
    ++depth;
    opened.result = canvas::CanvasMessageBox(owner, text, options);
    Cancel(watchdog);
    if (--depth == 0) ClearPending();
    return opened;
}

}  // namespace box_driver
