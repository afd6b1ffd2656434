// The main() of the test programs that show no window.
#include <gtest/gtest.h>

#include "TestHome.h"

int main(int argc, char** argv) {
    isolateFromUserFiles();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
