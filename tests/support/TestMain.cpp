// Every test program starts the toolkit once, as the program does.
#include "canvas/services/Toolkit.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    canvas::InitToolkit();
    return RUN_ALL_TESTS();
}
