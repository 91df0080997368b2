#pragma once
// Texts are byte strings in the system ANSI code page (936 on the target
// systems); GDI+ wants UTF-16. These convert at that boundary.

#include <string>
#include <string_view>

namespace canvas {

using AnsiText = std::string;
using WideText = std::wstring;

// Code page 0 is CP_ACP, the system ANSI code page.
WideText ToWide(std::string_view text, unsigned codePage = 0);
AnsiText FromWide(std::wstring_view wide, unsigned codePage = 0);

}  // namespace canvas
