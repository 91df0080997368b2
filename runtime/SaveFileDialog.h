#pragma once
// The system's save-file dialog with a form's title, filter and default
// extension.

#include "runtime/AnsiText.h"

#include <windows.h>

#include <optional>

namespace runtime {

class SaveFileDialog {
public:
    SaveFileDialog(AnsiText name, AnsiText title, AnsiText filter, AnsiText defaultExtension);

    const AnsiText& Name() const { return name_; }
    const AnsiText& Title() const { return title_; }
    const AnsiText& Filter() const { return filter_; }
    const AnsiText& DefaultExtension() const { return defaultExtension_; }

    // Runs the dialog modal over owner. The chosen path (with the default
    // extension added when the user typed none), or nothing when cancelled.
    std::optional<AnsiText> Run(HWND owner) const;

private:
    AnsiText name_;
    AnsiText title_;
    AnsiText filter_;
    AnsiText defaultExtension_;
};

}  // namespace runtime
