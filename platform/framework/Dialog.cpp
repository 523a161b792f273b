#include "Dialog.h"

#include "Automation.h"
#include "ControlFactory.h"
#include "DialogWindow.h"
#include "ModalStack.h"
#include "Resources.h"
#include "WidgetHandle.h"
#include "WinApp.h"

#include <QTimer>
#include <memory>
#include <vector>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(m_templateId);
    if (!dialogTemplate || m_hWnd) {
        return -1;
    }
    CWnd* owner = m_parent ? m_parent : AfxGetActiveWindow();
    if (owner == this || (owner && !owner->GetSafeHwnd())) {
        // The main window being started owns nothing yet.
        owner = nullptr;
    }
    QWidget* ownerWidget = owner ? WidgetFromHandle(owner->GetSafeHwnd()) : nullptr;
    auto window = std::make_unique<DialogWindow>(*this, *dialogTemplate, ownerWidget);
    Attach(HandleFromWidget(window.get()));
    m_running = TRUE;
    m_result = -1;
    ModalStack::Push(this);

    if (OnInitDialog() && m_running) {
        window->FocusFirstTabStop();
    }
    if (m_running) {
        BOOL ownerWasEnabled = owner && owner->GetSafeHwnd() && !owner->EnableWindow(FALSE);
        window->show();
        if (AutomationListener* listener = AfxGetAutomationListener()) {
            QTimer::singleShot(0, window.get(), [this, listener] { listener->DialogShown(*this); });
        }
        window->RunModalLoop();
        if (ownerWasEnabled) {
            owner->EnableWindow(TRUE);
        }
    }
    window->hide();
    window->Teardown();
    ModalStack::Pop(this);
    Detach();
    window.reset();
    return m_result;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_running = FALSE;
    if (DialogWindow* window = DialogWindow::FromWidget(WidgetFromHandle(m_hWnd))) {
        window->QuitModalLoop();
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // While a handler runs the dialog takes no input, so a long handler cannot be re-entered.
    ++m_handlersRunning;
    LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    --m_handlersRunning;
    return result;
}

std::unique_ptr<CWnd> CDialog::CreateControlObject(int, const char* className) {
    return AfxCreateControlWrapper(className);
}
