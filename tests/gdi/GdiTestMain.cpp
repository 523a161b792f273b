#include "Resources.h"

#include <QApplication>
#include <gtest/gtest.h>

// The GDI tests bring their own bitmaps through the test resources of the GDI layer.
const ResourceModule& AfxGetResourceModule() {
    static const ResourceModule module{};
    return module;
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
