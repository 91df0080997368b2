#pragma once
// x, y, width, height in host-window pixels.

namespace canvas {

struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;

    friend bool operator==(const RectF&, const RectF&) = default;
};

}  // namespace canvas
