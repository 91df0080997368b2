#include "canvas/services/ModalInputFilter.h"

#include <algorithm>
#include <vector>

namespace canvas {
namespace {

// The open boxes of this thread, innermost last, and the one hook that
// serves them all.
struct ThreadFilters {
    std::vector<HWND> boxes;
    HHOOK hook = nullptr;
};
thread_local ThreadFilters filters;

}  // namespace

ModalInputFilter::ModalInputFilter(HWND box) : box_(box) {
    filters.boxes.push_back(box);
    if (!filters.hook) filters.hook = SetWindowsHookExA(WH_GETMESSAGE, HookProc, nullptr, GetCurrentThreadId());
}

ModalInputFilter::~ModalInputFilter() {
    // Boxes end innermost first; remove this one wherever it stands.
    const auto at = std::find(filters.boxes.rbegin(), filters.boxes.rend(), box_);
    if (at != filters.boxes.rend()) filters.boxes.erase(std::next(at).base());
    if (filters.boxes.empty() && filters.hook) {
        UnhookWindowsHookEx(filters.hook);
        filters.hook = nullptr;
    }
}

bool ModalInputFilter::IsUserInput(UINT message) {
    constexpr UINT kKeyFirst = 0x100, kKeyLast = 0x109;      // WM_KEYDOWN .. WM_UNICHAR
    constexpr UINT kMouseFirst = 0x200, kMouseLast = 0x20E;  // WM_MOUSEMOVE .. WM_MOUSEHWHEEL
    return (message >= kKeyFirst && message <= kKeyLast) || (message >= kMouseFirst && message <= kMouseLast);
}

bool ModalInputFilter::Drops(const MSG& msg) {
    if (filters.boxes.empty() || !msg.hwnd || !IsUserInput(msg.message)) return false;
    const HWND box = filters.boxes.back();
    return msg.hwnd != box && !IsChild(box, msg.hwnd);
}

LRESULT CALLBACK ModalInputFilter::HookProc(int code, WPARAM removal, LPARAM message) {
    if (code == HC_ACTION && removal == PM_REMOVE) {
        auto* msg = reinterpret_cast<MSG*>(message);
        if (msg && Drops(*msg)) msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

}  // namespace canvas
