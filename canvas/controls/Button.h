#pragma once
// The toolkit's push button: a text control with the default face and
// nothing of its own. The host raises its click (10244).

#include "canvas/controls/TextControl.h"

namespace canvas {

class Button : public TextControl {
public:
    int PaintFace(PaintContext& ctx, int state) override;
    int PaintContent(PaintContext& ctx, int state, RectF& captionBox) override;
    int PreviewMessage(canvas::Handle handle, UINT code, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace canvas
