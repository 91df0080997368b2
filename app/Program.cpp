#include "app/Program.h"

#include "app/ExitRoutine.h"
#include "app/MainWindow.h"
#include "canvas/services/Toolkit.h"
#include "runtime/ExitRoutine.h"
#include "runtime/MessageLoop.h"

namespace lanvo {

int StartProgram() {
    // Made now, empty; the exit routine, registered after them, runs before
    // their destructors at process end.
    static AppObjects objects;
    runtime::ExitRoutine::Register([] { RunExitRoutine(ReleaseOrder(objects)); });
    canvas::InitToolkit();
    return RunMainWindow(objects);
}

int RunMainWindow(AppObjects& objects) {
    MainWindow mainWindow(objects);
    mainWindow.Load();
    return runtime::MessageLoop::Run();
}

}  // namespace lanvo
