#pragma once
// Window-level effects that need no host: style bits, the layered window's
// picture, blur behind the window, the rounded window region, and letting
// pending messages run while an animation holds the thread.

#include "canvas/core/Compositor.h"

#include <windows.h>

namespace canvas {

// The style (GWL_STYLE) or, with extended, the extended style (GWL_EXSTYLE).
// AddStyle sets bits only when none of them is set; RemoveStyle clears them
// when any is set; HasStyle answers whether any is set.
void AddStyle(HWND window, LONG bits, bool extended);
void RemoveStyle(HWND window, LONG bits, bool extended);
bool HasStyle(HWND window, LONG bits, bool extended);

// Hands the whole of dc (size pixels from (0, 0), premultiplied alpha) to the
// layered window as its picture.
void PushLayered(HWND window, HDC dc, SIZE size);

// Blurs behind area rounded by ellipse, only on major version 6 with
// composition on and never for frameStyle 1. Answers whether the compositor
// reported composition (false when it was not asked).
bool SetBlur(HWND window, const RECT& area, int ellipse, int frameStyle, Compositor& compositor, int osMajor);

// Cuts the window to the rounded rectangle (inset, inset, width - inset + 1,
// height - inset + 1); square corners when rounded is 0; inset 1 smaller
// while the window is maximised. The system owns the region afterwards.
void SetWindowRegion(HWND window, int width, int height, int inset, int ellipse, int rounded);

// Dispatches the thread's pending messages. A WM_QUIT met on the way is put
// back for the message loop that owns it.
void PumpMessages();

}  // namespace canvas
