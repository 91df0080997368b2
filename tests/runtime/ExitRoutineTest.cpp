#include "runtime/ExitRoutine.h"

#include <gtest/gtest.h>

#include <string>

using runtime::ExitRoutine;

TEST(ExitRoutine, RunsTheLastRegisteredFirstAndEachOnce) {
    std::string ran;
    ExitRoutine::Register([&] { ran += '1'; });
    ExitRoutine::Register([&] { ran += '2'; });
    ExitRoutine::Register({});  // empty: skipped
    ExitRoutine::Register([&] { ran += '3'; });
    ExitRoutine::RunAll();
    EXPECT_EQ(ran, "321");
    ExitRoutine::RunAll();  // as the process end would
    EXPECT_EQ(ran, "321");
}
