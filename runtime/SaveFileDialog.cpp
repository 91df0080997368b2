#include "runtime/SaveFileDialog.h"

#include "runtime/DialogFilter.h"

#include <commdlg.h>

#include <utility>
#include <vector>

namespace runtime {
namespace {

constexpr size_t kPathBufferSize = 1024;

}  // namespace

SaveFileDialog::SaveFileDialog(AnsiText name, AnsiText title, AnsiText filter, AnsiText defaultExtension)
    : name_(std::move(name)),
      title_(std::move(title)),
      filter_(std::move(filter)),
      defaultExtension_(std::move(defaultExtension)) {}

std::optional<AnsiText> SaveFileDialog::Run(HWND owner) const {
    const AnsiText filter = ToDialogFilter(filter_);
    std::vector<char> path(kPathBufferSize, '\0');
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    ofn.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    // The working directory stays where it was: the program finds its own
    // files by its run directory, never by the current one.
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&ofn)) return std::nullopt;
    return AnsiText(path.data());
}

}  // namespace runtime
