// Mouse, keyboard, focus, access keys and the tooltip.
#include "canvas/core/CanvasHost.h"
#include "canvas/core/Composition.h"

namespace canvas {

void CanvasHost::MouseMessage(UINT, WPARAM, LPARAM) {}

bool CanvasHost::ResizeBorder(UINT, LPARAM) { return false; }

void CanvasHost::KeyDown(UINT, WPARAM, LPARAM) {}

void CanvasHost::SysKeyDown(WPARAM, LPARAM) {}

int CanvasHost::SetAccessKey(Handle control, int key) {
    for (auto& entry : accessKeys) {
        if (entry.first == control) {
            entry.second = key;
            return 1;
        }
    }
    accessKeys.emplace_back(control, key);
    return 1;
}

void CanvasHost::SetFocus(Handle, bool) {}

void CanvasHost::SetTooltip(Handle, const AnsiText*) {}

}  // namespace canvas
