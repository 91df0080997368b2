#pragma once
// Pictures and the icon held in the program's resources.

#include <cstdint>
#include <span>

namespace resources {

// RCDATA names of the pictures.
inline constexpr const char* kMainBackground = "MAIN_BACKGROUND";  // JPEG 510 x 339
inline constexpr const char* kTabHome = "TAB_HOME";                // PNG 48 x 48
inline constexpr const char* kTabTools = "TAB_TOOLS";
inline constexpr const char* kTabAbout = "TAB_ABOUT";
inline constexpr const char* kTabAdd = "TAB_ADD";
inline constexpr const char* kSkinStrip = "SKIN_STRIP";            // PNG 729 x 20, no signature
inline constexpr const char* kCheckMark = "CHECK_MARK";            // PNG 20 x 20
inline constexpr const char* kMessageBoxFrame = "MSGBOX_FRAME";    // PNG 2 x 160
inline constexpr const char* kMessageBoxIcons = "MSGBOX_ICONS";    // PNG 200 x 40
// ICON group name of the program's icon (12 images).
inline constexpr const char* kProgramIcon = "LANVO_ICON";

// The bytes of an RCDATA resource of the program; empty when there is none.
std::span<const std::uint8_t> ResourceBytes(const char* name);

}  // namespace resources
