#include "InstallDlg.h"

#include "AppTexts.h"
#include "CurrentDirectory.h"
#include "ExtractMessages.h"
#include "InstallSettings.h"
#include "ResourceIds.h"
#include "SelectFolderDlg.h"
#include "UnrarApi.h"

#include <cstring>
#include <string>

namespace {
// The record's names are fixed-size fields; a library that fills one to the end gets no further.
CString FieldText(const char (&field)[260]) {
    return CString(field, static_cast<int>(strnlen(field, 260)));
}
} // namespace

BEGIN_MESSAGE_MAP(CInstallDlg, CDialog)
ON_BN_CLICKED(IDC_SET_FOLDER, &CInstallDlg::OnSetFolder)
ON_BN_CLICKED(IDC_INSTALL, &CInstallDlg::OnInstall)
END_MESSAGE_MAP()

CInstallDlg::CInstallDlg(CWnd* parent) : CDialog(IDD_INSTALL, parent) {}

void CInstallDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_PROGRESS, m_progress);
    DDX_Text(dx, IDC_DEST_FOLDER, m_destFolder);
}

BOOL CInstallDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!BindUnrarApi()) {
        ShowError(kLibraryMissing);
        OnOK();
    }
    SetDlgItemText(IDC_STATUS_ENTRY, "");
    SetDlgItemText(IDC_STATUS_ARCHIVE, "");
    m_progress.SetStep(1);
    m_progress.SetPos(0);
    return TRUE;
}

void CInstallDlg::OnSetFolder() {
    CSelectFolderDlg selectFolder(nullptr);
    selectFolder.DoModal();
    // Closing the Select Folder dialog without a choice empties the destination.
    m_destFolder = selectFolder.m_chosenPath;
    UpdateData(FALSE);
}

void CInstallDlg::OnInstall() {
    // What the user typed into the folder field is the destination.
    UpdateData(TRUE);

    CString directory = GetCurrentDirectoryPath();
    CString archiveName = ReadInstallSetting(directory, "ArchiveFirstFile", nullptr);
    std::string archivePath = ArchivePath(directory, archiveName).str();
    UnrarOpenData.ArcName = archivePath.data();
    // The shared record must not keep pointing at this run's path once the run is over.
    struct ArcNameRelease {
        ~ArcNameRelease() { UnrarOpenData.ArcName = nullptr; }
    } releaseArcName;
    UnrarOpenData.CmtBuf = nullptr;
    UnrarHeaderData.CmtBuf = nullptr;

    if (!OpenArchive(RAR_OM_LIST)) {
        return;
    }
    unsigned count = 0;
    PassOutcome counting = VisitEntries([&count] { ++count; });
    if (UnrarApi.RARCloseArchive(UnrarArchive) == ERAR_ECLOSE) {
        ShowError(kArchiveCloseError);
    }
    // A broken archive could loop or mislead the count: the run ends with the dialog open.
    if (!counting.reachedEnd) {
        return;
    }

    m_progress.SetRange32(1, static_cast<int>(count));
    if (!OpenArchive(RAR_OM_EXTRACT)) {
        return;
    }
    PassOutcome extraction = VisitEntries([this] { m_progress.StepIt(); });
    m_progress.SetPos(0);
    int closeResult = UnrarApi.RARCloseArchive(UnrarArchive);
    if (closeResult == ERAR_ECLOSE) {
        ShowError(kArchiveCloseError);
    }
    // Success is announced only for an extraction that met no error at all.
    if (closeResult != ERAR_SUCCESS || !extraction.reachedEnd || extraction.entryFailed) {
        return;
    }
    SetDlgItemText(IDC_STATUS_ARCHIVE, "");
    SetDlgItemText(IDC_STATUS_ENTRY, "");
    OnOK();
    MessageBox(kInstallSuccessful, kInstallerCaption, MB_OK | MB_ICONINFORMATION);
}

bool CInstallDlg::OpenArchive(unsigned mode) {
    UnrarOpenData.OpenMode = mode;
    UnrarArchive = UnrarApi.RAROpenArchive(&UnrarOpenData);
    if (UnrarArchive && UnrarOpenData.OpenResult == ERAR_SUCCESS) {
        return true;
    }
    if (const char* text = OpenErrorText(static_cast<int>(UnrarOpenData.OpenResult))) {
        ShowError(text);
    }
    if (UnrarArchive) {
        UnrarApi.RARCloseArchive(UnrarArchive);
    }
    return false;
}

CInstallDlg::PassOutcome CInstallDlg::VisitEntries(const std::function<void()>& beforeProcess) {
    PassOutcome outcome;
    int readResult;
    while ((readResult = UnrarApi.RARReadHeader(UnrarArchive, &UnrarHeaderData)) == ERAR_SUCCESS) {
        ShowEntry();
        beforeProcess();
        std::string destination = m_destFolder.str();
        int result =
            UnrarApi.RARProcessFile(UnrarArchive, RAR_EXTRACT, destination.data(), nullptr);
        if (result != ERAR_SUCCESS) {
            outcome.entryFailed = true;
            if (const char* text = ProcessErrorText(result)) {
                ShowError(text);
            }
        }
    }
    outcome.reachedEnd = readResult == ERAR_END_ARCHIVE;
    if (!outcome.reachedEnd) {
        if (const char* text = OpenErrorText(readResult)) {
            ShowError(text);
        }
    }
    return outcome;
}

void CInstallDlg::ShowEntry() {
    SetDlgItemText(IDC_STATUS_ARCHIVE, "Archive: " + FieldText(UnrarHeaderData.ArcName));
    SetDlgItemText(IDC_STATUS_ENTRY, "Extracting " + FieldText(UnrarHeaderData.FileName) + "...");
}

void CInstallDlg::ShowError(const char* text) {
    MessageBox(text, kErrorCaption, MB_OK | MB_ICONERROR);
}
