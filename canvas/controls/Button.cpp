#include "canvas/controls/Button.h"

namespace canvas {

int Button::PaintFace(PaintContext&, int) { return 0; }

int Button::PaintContent(PaintContext&, int, RectF&) { return 0; }

int Button::PreviewMessage(canvas::Handle, UINT, WPARAM, LPARAM) { return -1; }

}  // namespace canvas
