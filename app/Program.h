#pragma once
// The program's start routine.

#include "app/AppObjects.h"

namespace lanvo {

// The whole program: makes the process-wide objects, registers the exit
// routine, starts the toolkit, then runs the main window. Returns the
// process exit code.
int StartProgram();

// Loads the main window and runs the message loop until the last window is
// gone; returns the loop's exit code (0 unless the program was ended with
// another).
int RunMainWindow(AppObjects& objects);

}  // namespace lanvo
