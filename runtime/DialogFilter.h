#pragma once
// The file dialogs' filter: written "description|pattern|..." in a template,
// handed to the system as NUL-separated strings ending in two NULs.
// No platform headers, so it also builds natively.

#include "runtime/AnsiText.h"

#include <string_view>

namespace runtime {

// Splits on '|' outside two-byte characters (their second byte may be 0x7C).
AnsiText ToDialogFilter(std::string_view piped);

}  // namespace runtime
