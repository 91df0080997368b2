#include "canvas/core/WindowProcStub.h"

#include <cstdint>
#include <cstring>

namespace canvas {

bool WindowProcStub::Build(CanvasHost* host, StubTargetProc target) {
    Free();
    memory_ = VirtualAlloc(nullptr, size(), MEM_COMMIT, PAGE_EXECUTE_READWRITE);
    if (!memory_) return false;
    auto* code = static_cast<unsigned char*>(memory_);
    const std::uintptr_t hostValue = reinterpret_cast<std::uintptr_t>(host);
    std::uintptr_t targetValue = 0;
    static_assert(sizeof targetValue == sizeof target);
    std::memcpy(&targetValue, &target, sizeof target);
#if defined(_WIN64)
    // The first argument travels in rcx.
    code[0] = 0x48, code[1] = 0xB9;  // mov rcx, imm64
    std::memcpy(code + 2, &hostValue, 8);
    code[10] = 0x48, code[11] = 0xB8;  // mov rax, imm64
    std::memcpy(code + 12, &targetValue, 8);
    code[20] = 0xFF, code[21] = 0xE0;  // jmp rax
#else
    const unsigned char call[] = {0xE8, 0x04, 0x00, 0x00, 0x00};  // call +4: pushes the slot's address
    std::memcpy(code, call, 5);
    std::memcpy(code + 5, &targetValue, 4);                       // the slot
    code[9] = 0x59;                                               // pop ecx
    const unsigned char store[] = {0xC7, 0x44, 0x24, 0x04};       // mov dword [esp+4], imm32
    std::memcpy(code + 10, store, 4);
    std::memcpy(code + 14, &hostValue, 4);
    code[18] = 0xFF, code[19] = 0x21;                             // jmp [ecx]
#endif
    FlushInstructionCache(GetCurrentProcess(), memory_, size());
    std::memcpy(&proc_, &memory_, sizeof proc_);
    return true;
}

void WindowProcStub::Free() {
    if (memory_) VirtualFree(memory_, 0, MEM_RELEASE);
    memory_ = nullptr;
    proc_ = nullptr;
}

}  // namespace canvas
