#pragma once
// Keeps keyboard and mouse input from the thread's other windows while a
// modal box is open. The box's own loop drops such messages; so does every
// other loop that runs meanwhile (the show and close animations let pending
// messages run, and so would any routine that pumps), because the filter
// turns them into WM_NULL as they are taken from the queue.
//
// Filters nest: only the innermost open box receives input.

#include <windows.h>

namespace canvas {

class ModalInputFilter {
public:
    explicit ModalInputFilter(HWND box);
    ~ModalInputFilter();
    ModalInputFilter(const ModalInputFilter&) = delete;
    ModalInputFilter& operator=(const ModalInputFilter&) = delete;

    // Keyboard (0x100-0x109) and mouse (0x200-0x20E) messages.
    static bool IsUserInput(UINT message);
    // Whether msg is input for a window other than the innermost open box
    // (and its children) of this thread.
    static bool Drops(const MSG& msg);

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM removal, LPARAM message);
    HWND box_;
};

}  // namespace canvas
