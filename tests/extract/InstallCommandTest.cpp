#include "Dialog.h"
#include "InstallRun.h"
#include "ResourceIds.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
constexpr UINT kErrorBox = MB_OK | MB_ICONERROR;
const std::string kSuccess = "Installation successful.\n\nEnjoy this fine release from PLOVRIN!";

std::vector<std::string> Texts(const InstallRunResult& result) {
    std::vector<std::string> texts;
    for (const MessageBoxRecord& box : result.boxes) {
        texts.push_back(box.text);
    }
    return texts;
}

// Every box is owned by the Install dialog; errors say "Error" with the error icon, success
// "PLOVRIN Installer" with the information icon.
void ExpectBoxesOwnedAndTyped(const InstallRunResult& result) {
    for (const MessageBoxRecord& box : result.boxes) {
        EXPECT_EQ(box.owner, result.dialog) << box.text;
        if (box.text == kSuccess) {
            EXPECT_EQ(box.caption, "PLOVRIN Installer");
            EXPECT_EQ(box.type, MB_OK | MB_ICONINFORMATION);
        } else {
            EXPECT_EQ(box.caption, "Error");
            EXPECT_EQ(box.type, kErrorBox);
        }
    }
}

std::size_t CountCalls(const InstallRunResult& result, const std::string& prefix) {
    return static_cast<std::size_t>(
        std::count_if(result.calls.begin(), result.calls.end(),
                      [&](const std::string& call) { return call.rfind(prefix, 0) == 0; }));
}

TEST(InstallCommand, EmptyArchiveSucceedsWithoutSettingStatusOrStepping) {
    InstallRun run("");
    InstallRunResult result = run.Run();
    EXPECT_EQ(Texts(result), std::vector<std::string>{kSuccess});
    EXPECT_TRUE(result.endedWithOk);
    ExpectBoxesOwnedAndTyped(result);
    EXPECT_EQ(CountCalls(result, "process"), 0u);
}

TEST(InstallCommand, ThreeEntriesMakeTheExactCallsOfBothPassesThenSucceed) {
    InstallRun run("entry v1.rar a.txt 0 0\nentry v1.rar dir/b.txt 0 0\nentry v2.rar c.txt 0 0\n");
    run.BeforeInstall(
        [](CDialog& dialog) { Automation::TypeText(dialog, IDC_DEST_FOLDER, "/srv/games"); });
    InstallRunResult result = run.Run();
    std::string arcname = (run.Folder().Path() / "data.rar").string();
    std::vector<std::string> pass;
    for (int mode : {0, 1}) {
        pass.push_back("open mode=" + std::to_string(mode) + " arcname=" + arcname +
                       " cmtbuf=null");
        for (int i = 0; i < 3; ++i) {
            pass.push_back("read cmtbuf=null -> 0");
            pass.push_back("process op=2 dest=/srv/games destname=null -> 0");
        }
        pass.push_back("read cmtbuf=null -> 10");
        pass.push_back("close mode=" + std::to_string(mode) + " -> 0");
    }
    EXPECT_EQ(result.calls, pass);
    EXPECT_EQ(Texts(result), std::vector<std::string>{kSuccess});
    EXPECT_TRUE(result.endedWithOk);
    ExpectBoxesOwnedAndTyped(result);
}

TEST(InstallCommand, CrcErrorIsShownInEachPassWithItsEntryAndBarsSuccess) {
    InstallRun run("entry v1.rar a.txt 0 0\nentry v1.rar bad.bin 12 12\nentry v2.rar c.txt 0 0\n");
    InstallRunResult result = run.Run();
    EXPECT_EQ(Texts(result), (std::vector<std::string>{"File CRC error", "File CRC error"}));
    EXPECT_EQ(result.statusAtBox, (std::vector<std::string>{
                                      "Archive: v1.rar | Extracting bad.bin...",
                                      "Archive: v1.rar | Extracting bad.bin...",
                                  }));
    ExpectBoxesOwnedAndTyped(result);
    EXPECT_FALSE(result.endedWithOk);
    EXPECT_EQ(result.statusArchive, "Archive: v2.rar");
    EXPECT_EQ(result.statusEntry, "Extracting c.txt...");
    EXPECT_EQ(result.position, result.rangeLower) << "the bar is back at its start";
    EXPECT_EQ(CountCalls(result, "process"), 6u) << "the run goes on after the box";
}

TEST(InstallCommand, EveryProcessingCodeHasItsTextInTheExtractionPass) {
    const std::pair<int, const char*> codes[] = {
        {12, "File CRC error"},
        {13, "Volume is not valid RAR archive"},
        {14, "Unknown archive format"},
        {15, "Volume open error"},
        {16, "File create error"},
        {17, "File close error"},
        {18, "Read error"},
        {19, "Write error"},
    };
    for (auto [code, text] : codes) {
        InstallRun run("entry v.rar x 0 " + std::to_string(code) + "\n");
        InstallRunResult result = run.Run();
        EXPECT_EQ(Texts(result), std::vector<std::string>{text}) << code;
        EXPECT_FALSE(result.endedWithOk) << code;
        ExpectBoxesOwnedAndTyped(result);
    }
}

TEST(InstallCommand, UnlistedProcessingCodeShowsNoBoxButIsNeverAnnouncedAsSuccess) {
    InstallRun run("entry v.rar secret.txt 0 22\n");
    InstallRunResult result = run.Run();
    EXPECT_TRUE(result.boxes.empty());
    EXPECT_FALSE(result.endedWithOk);
}

TEST(InstallCommand, CloseErrorInTheCountingPassIsShownAndTheRunGoesOn) {
    InstallRun run("entry v.rar a 0 0\nclose 0 17\n");
    InstallRunResult result = run.Run();
    EXPECT_EQ(Texts(result), (std::vector<std::string>{"Archive close error", kSuccess}));
    EXPECT_TRUE(result.endedWithOk);
    ExpectBoxesOwnedAndTyped(result);
}

TEST(InstallCommand, FailedFinalCloseKeepsTheDialogOpenWithoutSuccess) {
    for (auto [code, boxes] :
         {std::pair<int, std::vector<std::string>>{17, {"Archive close error"}},
          std::pair<int, std::vector<std::string>>{5, {}}}) {
        InstallRun run("entry v.rar a 0 0\nclose 1 " + std::to_string(code) + "\n");
        InstallRunResult result = run.Run();
        EXPECT_EQ(Texts(result), boxes) << code;
        EXPECT_FALSE(result.endedWithOk) << code;
        EXPECT_EQ(result.statusEntry, "Extracting a...") << code;
        EXPECT_EQ(result.position, result.rangeLower) << code;
    }
}

TEST(InstallCommand, FailedOpenShowsItsBoxAndEndsTheRunWithoutCallsOnANullHandle) {
    const std::pair<int, const char*> codes[] = {
        {11, "Not enough memory to initialize data structures"},
        {12, "Archive header broken"},
        {13, "File is not valid RAR archive"},
        {14, nullptr},
        {15, "File open error"},
    };
    for (auto [code, text] : codes) {
        for (int mode : {0, 1}) {
            InstallRun run("entry v.rar a 0 0\nopen " + std::to_string(mode) + " " +
                           std::to_string(code) + "\n");
            InstallRunResult result = run.Run();
            std::vector<std::string> expected;
            if (text) {
                expected.push_back(text);
            }
            EXPECT_EQ(Texts(result), expected) << code << " in mode " << mode;
            EXPECT_FALSE(result.endedWithOk);
            EXPECT_EQ(result.calls.back().rfind("open mode=" + std::to_string(mode), 0), 0u)
                << "nothing follows the failed open";
            ExpectBoxesOwnedAndTyped(result);
        }
    }
}

TEST(InstallCommand, HeaderErrorEndsThePassWithTheOpenTableText) {
    for (int mode : {0, 1}) {
        InstallRun run("entry v.rar a 0 0\nentry v.rar b 0 0\nheadererror " + std::to_string(mode) +
                       " 1 12\n");
        InstallRunResult result = run.Run();
        EXPECT_EQ(Texts(result), std::vector<std::string>{"Archive header broken"}) << mode;
        EXPECT_FALSE(result.endedWithOk);
        EXPECT_EQ(CountCalls(result, "close"), mode == 0 ? 1u : 2u) << "the archive is closed";
        EXPECT_EQ(CountCalls(result, "open mode=1"), mode == 0 ? 0u : 1u);
    }
}

TEST(InstallCommand, MoreThan65535EntriesKeepTheirWholeCountInTheRange) {
    InstallRun run("entries 70000\nclose 1 5\n");
    unsetenv("PLOVRIN_STANDIN_LOG");
    InstallRunResult result = run.Run();
    EXPECT_EQ(result.rangeLower, 1);
    EXPECT_EQ(result.rangeUpper, 70000);
    EXPECT_EQ(result.position, result.rangeLower) << "the bar is back at its start";
}

TEST(InstallCommand, EmptyDestinationIsPassedAsAnEmptyString) {
    InstallRun run("entry v.rar a 0 0\n");
    InstallRunResult result = run.Run();
    EXPECT_EQ(CountCalls(result, "process op=2 dest= destname=null"), 2u);
}

TEST(InstallCommand, ArchiveFirstFileIsReadAfreshAtEveryPress) {
    InstallRun run("open 0 15\n");
    run.BeforeInstall([&run](CDialog& dialog) {
        Automation::Click(dialog, IDC_INSTALL);
        run.Folder().Write("Install.ini", "[Config]\nArchiveFirstFile=other.rar\n");
    });
    InstallRunResult result = run.Run();
    ASSERT_EQ(CountCalls(result, "open"), 2u);
    EXPECT_NE(result.calls[0].find("/data.rar "), std::string::npos);
    EXPECT_NE(result.calls[1].find("/other.rar "), std::string::npos);
    EXPECT_EQ(Texts(result), (std::vector<std::string>{"File open error", "File open error"}));
}

TEST(InstallCommand, LongPathsAreHandedOverWhole) {
    std::string longFolder(300, 'd');
    InstallRun run("entry v.rar a 0 0\n");
    run.BeforeInstall([&](CDialog& dialog) {
        Automation::TypeText(dialog, IDC_DEST_FOLDER, ("/tmp/" + longFolder).c_str());
    });
    InstallRunResult result = run.Run();
    EXPECT_EQ(CountCalls(result, "process op=2 dest=/tmp/" + longFolder + " "), 2u);
}

TEST(InstallCommand, NoInputReachesTheDialogWhileTheRunGoesOnButItKeepsPainting) {
    InstallRun run("entries 20000\n");
    unsetenv("PLOVRIN_STANDIN_LOG");
    bool watchedDuringRun = false;
    run.BeforeInstall([&](CDialog& dialog) {
        Automation::Later(0, [&] {
            watchedDuringRun = dialog.IsRunning();
            Automation::CloseBox(dialog);
            Automation::PressKey(dialog, Automation::Key::Escape);
            Automation::Click(dialog, IDC_INSTALL);
        });
    });
    InstallRunResult result = run.Run();
    EXPECT_TRUE(watchedDuringRun) << "the windows were served while the run went on";
    EXPECT_EQ(Texts(result), std::vector<std::string>{kSuccess});
    EXPECT_TRUE(result.endedWithOk);
}
} // namespace
