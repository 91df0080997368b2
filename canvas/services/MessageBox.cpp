#include "canvas/services/MessageBox.h"

#include "canvas/services/MessageBoxWindow.h"

namespace canvas {

int CanvasMessageBox(HWND owner, const AnsiText& text, const MessageBoxOptions& options) {
    MessageBoxWindow box(owner, text, options);
    return box.Run();
}

}  // namespace canvas
