#pragma once
// Codes a control receives through RaiseEvent (window-message numbers and the
// toolkit's own), and the messages controls send to their host window.

#include <windows.h>

namespace canvas {

namespace notify {
inline constexpr UINT kGotFocus = 10240;        // (0 or key state, previous focus)
inline constexpr UINT kLostFocus = 10241;       // (0 or key state, new focus)
inline constexpr UINT kMouseEnter = 10242;      // (key state, previously hovered)
inline constexpr UINT kMouseLeave = 10243;      // (key state or 0, control now under the mouse)
inline constexpr UINT kClick = 10244;
inline constexpr UINT kSizeChanged = 10245;     // (width, height)
inline constexpr UINT kHidden = 10246;
inline constexpr UINT kShown = 10247;
inline constexpr UINT kCompose = 10248;         // (0, ComposeContext*); > 0: drew itself
inline constexpr UINT kMenuItem = 10249;
inline constexpr UINT kPressQuery = 10250;      // != -1: takes the mouse even when not focusable
inline constexpr UINT kDisabledChanged = 10254; // (0, new value); -1 asks for the default dimming
inline constexpr UINT kMoved = 10257;
inline constexpr UINT kEcho10258 = 10258;
inline constexpr UINT kEcho10259 = 10259;
inline constexpr UINT kFocusQuery = 10260;      // 1 / 0, or -1 for the default
inline constexpr UINT kOpacityChanged = 10261;  // (0, new opacity)
inline constexpr UINT kRepaintNow = 10262;      // repaint at once, without a fade
}  // namespace notify

namespace hostmsg {
inline constexpr UINT kSetFocus = 10240;        // lparam control
inline constexpr UINT kSetAccessKey = 10251;    // wparam control, lparam key
inline constexpr UINT kPushLayered = 10253;
inline constexpr UINT kRepaint = 10255;         // lparam control
inline constexpr UINT kQueueRedraw = 10256;     // wparam kind, lparam const RectF*
inline constexpr UINT kMoved = 10257;           // wparam control, lparam 1 = recompose
inline constexpr UINT kEcho10258 = 10258;       // wparam value, lparam control
inline constexpr UINT kEcho10259 = 10259;
// wparam of kQueueRedraw when lparam is a control handle rather than a
// rectangle: the host queues that control's bounds as they are when the
// message is processed. Used for posted requests, where the address of a
// rectangle could be gone by then.
inline constexpr WPARAM kQueueControlBounds = 0x100;
}  // namespace hostmsg

// Window property that carries the host's handle.
inline constexpr const char* kHostProperty = "Ux_Wnd_Control";

}  // namespace canvas
