#include "runtime/DialogFilter.h"

namespace runtime {

AnsiText ToDialogFilter(std::string_view piped) {
    AnsiText out;
    out.reserve(piped.size() + 2);
    for (size_t i = 0; i < piped.size(); ++i) {
        const char c = piped[i];
        if (IsLeadByte(c) && i + 1 < piped.size()) {
            out += c;
            out += piped[++i];
        } else {
            out += c == '|' ? '\0' : c;
        }
    }
    // The last string's NUL and the list's.
    out.append(2, '\0');
    return out;
}

}  // namespace runtime
