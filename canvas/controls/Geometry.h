#pragma once
// Rectangle helpers for painters. Plain arithmetic, no platform headers.

#include "canvas/core/RectF.h"

namespace canvas {

constexpr RectF MakeRect(float x, float y, float width, float height) { return {x, y, width, height}; }

// Moves and resizes rect in place.
constexpr void AdjustRect(RectF& rect, float dx = 0, float dy = 0, float dw = 0, float dh = 0) {
    rect.x += dx;
    rect.y += dy;
    rect.width += dw;
    rect.height += dh;
}

}  // namespace canvas
