#pragma once
// The program's exit routine: releases the process-wide objects in a fixed
// order. The routine runs a list of releasers, so the order can be checked
// on its own.

#include "app/AppObjects.h"

#include <functional>
#include <span>
#include <vector>

namespace lanvo {

struct Releaser {
    const char* name;  // the object's name
    std::function<void()> release;
};

// The releasers of objects, in the order the exit routine runs them.
std::vector<Releaser> ReleaseOrder(AppObjects& objects);

// Runs each releaser once, first to last.
void RunExitRoutine(std::span<const Releaser> releasers);

}  // namespace lanvo
