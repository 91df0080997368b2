#pragma once
// Routines the program wants run when the process ends, however it ends
// through the C run time (return from the entry point, exit()).

#include <functional>

namespace runtime {

class ExitRoutine {
public:
    static void Register(std::function<void()> routine);

    // Runs the registered routines, the last registered first, each once.
    // The run time calls it at process end; calling it earlier is allowed.
    static void RunAll();
};

}  // namespace runtime
