#include "runtime/ExitRoutine.h"

#include <cstdlib>
#include <utility>
#include <vector>

namespace runtime {
namespace {

std::vector<std::function<void()>>& Routines() {
    static std::vector<std::function<void()>> routines;
    return routines;
}

}  // namespace

void ExitRoutine::Register(std::function<void()> routine) {
    // The list first: made before the hook, it is destroyed after the hook ran.
    auto& routines = Routines();
    static const bool hooked = std::atexit([] { ExitRoutine::RunAll(); }) == 0;
    (void)hooked;
    routines.push_back(std::move(routine));
}

void ExitRoutine::RunAll() {
    auto& routines = Routines();
    while (!routines.empty()) {
        auto routine = std::move(routines.back());
        routines.pop_back();
        if (routine) routine();
    }
}

}  // namespace runtime
