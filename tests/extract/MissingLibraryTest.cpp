#include "Automation.h"
#include "InstallDlg.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

namespace {
// This test program has no usable RAR library beside it: none at all, or one without a call.
TEST(MissingLibrary, ShowsOneBoxAndTheInstallDialogNeverAppears) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        AutomationScript script;
        CInstallDlg dialog(nullptr);
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_TRUE(script.dialogsShown.empty());
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].text, "Could not load UnRAR.DLL...\n\nUnRAR.DLL must be located "
                                        "in the same directory\nas the installer for it function.");
        EXPECT_EQ(script.boxes[0].caption, "Error");
        EXPECT_EQ(script.boxes[0].type, MB_OK | MB_ICONERROR);
    }
}
} // namespace
