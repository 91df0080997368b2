#pragma once
// A few bytes of machine code, made per host, that the system calls as the
// window procedure: they put the host object where the window handle was and
// jump to the host's static window procedure.

#include <windows.h>

namespace canvas {

class CanvasHost;
using StubTargetProc = LRESULT(CALLBACK*)(CanvasHost*, UINT, WPARAM, LPARAM);

class WindowProcStub {
public:
    WindowProcStub() = default;
    ~WindowProcStub() { Free(); }
    WindowProcStub(const WindowProcStub&) = delete;
    WindowProcStub& operator=(const WindowProcStub&) = delete;

    // Builds the code in executable memory; false when none could be had.
    bool Build(CanvasHost* host, StubTargetProc target);
    void Free();
    // The stub as a window procedure, or null before Build.
    WNDPROC proc() const { return proc_; }
    // The code bytes (for inspection).
    const unsigned char* code() const { return static_cast<const unsigned char*>(memory_); }
    static constexpr size_t size();

private:
    void* memory_ = nullptr;
    WNDPROC proc_ = nullptr;
};

constexpr size_t WindowProcStub::size() {
#if defined(_WIN64)
    return 22;  // mov rcx, host; mov rax, target; jmp rax
#else
    return 20;  // call +4; <target>; pop ecx; mov [esp+4], host; jmp [ecx]
#endif
}

}  // namespace canvas
