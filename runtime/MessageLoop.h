#pragma once
// The program's message loop. It ends when the last form window is gone,
// when End is called, or on WM_QUIT.

#include <functional>

namespace runtime {

class MessageLoop {
public:
    // Runs on the calling thread; returns the exit code: End's, WM_QUIT's,
    // or 0 when the last form window went away.
    static int Run();

    // A nested loop (a modal form): runs while keepGoing() holds. Stops early
    // for an End or WM_QUIT, leaving them to the outer loop.
    static void RunWhile(const std::function<bool()>& keepGoing);

    // Ends the program with code: destroys every form window, then the loops
    // return. Call on the loop's thread.
    static void End(int code);

    // Makes a loop waiting in GetMessage look at its conditions again.
    static void Wake();
};

}  // namespace runtime
