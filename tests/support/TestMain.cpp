// Runs a test program with the framework's windowing set up, offscreen unless told otherwise.

#include "WinApp.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    AfxWinInit(argc, argv);
    int result = RUN_ALL_TESTS();
    AfxWinTerm();
    return result;
}
