#pragma once
// The update check that runs when the main window is created.

#include "app/AppObjects.h"

namespace lanvo {

class MainWindow;

// True when this copy is current and the main window may be built; false
// when the update path has taken over (the main window is gone then).
bool RunUpdateCheck(AppObjects& objects, MainWindow& mainWindow);

}  // namespace lanvo
