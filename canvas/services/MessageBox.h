#pragma once
// The toolkit's own modal message box: a toolkit window with a painted frame,
// an optional icon, the message and a row of buttons at the bottom right. It
// runs its own message loop until it is closed and answers the value of the
// button that closed it (0 OK, 1 Cancel, 2 Abort, 3 Retry, 4 Ignore, 5 Yes,
// 6 No), or 1 when it was closed any other way.

#include "canvas/services/Text.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace canvas {

// The icon shown at the left; also the system sound played with it.
namespace boxIcon {
inline constexpr int kNone = 0;
inline constexpr int kStop = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kFifth = 128;
}  // namespace boxIcon

// The button sets, named by their buttons from left to right.
namespace boxButtons {
inline constexpr int kOk = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kAbortRetryIgnore = 2;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
}  // namespace boxButtons

// What a box answers.
namespace boxResult {
inline constexpr int kOk = 0;
inline constexpr int kCancel = 1;  // also: closed by Escape, the close button, destruction or a quit
inline constexpr int kAbort = 2;
inline constexpr int kRetry = 3;
inline constexpr int kIgnore = 4;
inline constexpr int kYes = 5;
inline constexpr int kNo = 6;
}  // namespace boxResult

// Called once the box is built, before it is shown: (box window, width, height).
using MessageBoxCreated = std::function<void(HWND box, int width, int height)>;

// Absent members take the defaults in the comments.
struct MessageBoxOptions {
    std::optional<int> buttons;         // boxButtons::k*; 0
    std::optional<AnsiText> title;      // "提示："
    std::optional<int> icon;            // boxIcon::k*; none
    MessageBoxCreated onCreated;        // none
    std::optional<bool> sound;          // true: play the icon's system sound
    std::optional<bool> centreOnOwner;  // false: centred on the work area
    std::optional<int> styleFlags;      // caption flags of the box's host; 6 (title and close button)
    // Captions for positions 1, 2, ... (rightmost first) instead of the set's;
    // the values stay the set's. Texts beyond the set's buttons are ignored.
    std::optional<std::vector<AnsiText>> buttonTexts;
    std::optional<int> defaultButton;   // 1-based position of the focused button; 1 (rightmost)

    // The box's own look (with ownLook) instead of its owner host's look.
    std::optional<bool> ownLook;
    std::span<const std::uint8_t> picture;  // background picture bytes; empty for none
    std::optional<int> windowAlpha;         // -1: not layered
    std::optional<int> pictureMode;         // 0
    std::optional<int> frameStyle;          // 0
    std::optional<bool> blur;               // on above OS major version 5
    std::optional<RECT> pictureCentre;      // none

    std::optional<int> showEffect;   // effect for the host's Show; 0
    std::optional<int> closeEffect;  // when given, the host's close effect
};

// Shows the box and returns once it is gone. owner may be null; an owner that
// is no longer a window counts as none. A quit message that ends the box is
// posted again for the caller's own loop.
int CanvasMessageBox(HWND owner, const AnsiText& text, const MessageBoxOptions& options = {});

}  // namespace canvas
