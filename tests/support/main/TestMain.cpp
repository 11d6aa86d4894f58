// The main of every test program: prepares the process the way the program's own
// start does (fonts and the like), then runs the tests.
#include <gtest/gtest.h>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    sk::test::prepareEnvironment();
    return RUN_ALL_TESTS();
}
