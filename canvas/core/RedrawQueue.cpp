#include "canvas/core/RedrawQueue.h"

#include "canvas/core/CanvasHost.h"

namespace canvas {

void RedrawQueue::Init(HWND window, Handle host) {
    window_ = window;
    host_ = host;
}

void RedrawQueue::Clear() {
    entries_.clear();
    flushing_ = false;
}

void RedrawQueue::Add(const RectF& rect, int kind) {
    if (kind == kComposeNow) {
        if (CanvasHost* host = HostFromHandle(host_)) host->Compose(rect, true);
        return;
    }
    if (kind == kInFront) {
        entries_.push_front({rect, kInFront});
    } else {
        entries_.push_back({rect, kAppend});
    }
    if (!flushing_) Flush();
}

void RedrawQueue::Flush() {
    CanvasHost* host = HostFromHandle(host_);
    if (!host || flushing_) return;
    flushing_ = true;
    const bool present = host->windowAlpha == -1;
    while (!entries_.empty()) {
        const RectF rect = entries_.front().rect;
        entries_.pop_front();
        host->Compose(rect, present);
        if (!flushing_) return;  // cleared while composing (the window went away)
    }
    if (!present && !host->busy) host->PushLayered();
    flushing_ = false;
}

}  // namespace canvas
