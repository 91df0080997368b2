#include "app/MainLayout.h"

#include "app/MainWindow.h"

namespace lanvo {

// The host, the controls and the welcome label come with the main-window
// layout, once the toolkit's classes exist. Until then the window shows its
// plain native background and the welcome text has nowhere to go.

void BuildMainWindow(AppObjects&, MainWindow&) {}

AnsiText WelcomeLabelText(const AppObjects&) { return {}; }

void SetWelcomeLabelText(AppObjects&, const AnsiText&) {}

}  // namespace lanvo
