#pragma once
// Rectangles of a host window waiting to be recomposed. Rectangles that
// arrive while the queue is being flushed are taken by the running flush
// instead of starting a nested one.

#include "canvas/core/HandleTable.h"
#include "canvas/core/RectF.h"

#include <windows.h>

#include <deque>

namespace canvas {

class RedrawQueue {
public:
    static constexpr int kAppend = 0;
    static constexpr int kComposeNow = 1;
    static constexpr int kInFront = 2;

    void Init(HWND window, Handle host);
    void Clear();
    void Add(const RectF& rect, int kind);
    bool IsIdle() const { return !flushing_; }
    void Flush();
    size_t pending() const { return entries_.size(); }

private:
    struct Entry {
        RectF rect;
        int kind;
    };
    HWND window_ = nullptr;
    Handle host_ = 0;
    std::deque<Entry> entries_;
    bool flushing_ = false;
};

}  // namespace canvas
