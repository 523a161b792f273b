#include "WinApp.h"

#include <gtest/gtest.h>

// Menus, boxes and the clipboard need the framework's application around the tests.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    AfxWinInit(argc, argv);
    return RUN_ALL_TESTS();
}
