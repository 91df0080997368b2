#pragma once
// What the main window shows: its host, tabs, pages and controls.

#include "app/AppObjects.h"

namespace lanvo {

class MainWindow;

// Builds the main window's content once the update check has passed.
void BuildMainWindow(AppObjects& objects, MainWindow& mainWindow);

// The text of the about page's welcome label (labels element 4), and a new
// text for it.
AnsiText WelcomeLabelText(const AppObjects& objects);
void SetWelcomeLabelText(AppObjects& objects, const AnsiText& text);

}  // namespace lanvo
