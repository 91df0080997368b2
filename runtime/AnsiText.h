#pragma once
// Texts are byte strings in the system ANSI code page (936 on the target
// systems); a byte of 0x80 or above starts a two-byte character.

#include <string>

namespace runtime {

using AnsiText = std::string;

inline bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

}  // namespace runtime
