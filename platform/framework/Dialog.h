#pragma once

// A modal dialog box built from a template of the program's resources.

#include "DataExchange.h"
#include "Wnd.h"

#include <memory>

struct DialogTemplate;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Builds the dialog, runs it until EndDialog and destroys it before returning: the result
    // given to EndDialog, or -1 when the dialog cannot be created.
    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT GetTemplateId() const { return m_templateId; }
    // TRUE from the start of DoModal until EndDialog.
    BOOL IsRunning() const { return m_running; }
    // True while one of its message handlers runs: the dialog then takes no input.
    bool IsHandlerRunning() const { return m_handlersRunning > 0; }

    DECLARE_MESSAGE_MAP()

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    virtual void OnOK();
    virtual void OnCancel();
    // The object GetDlgItem hands out for a control that has none attached, made at the first
    // lookup and kept until the control is destroyed. A dialog may name a class of its own for a
    // control; by default it is the framework's class for the control's window class.
    virtual std::unique_ptr<CWnd> CreateControlObject(int id, const char* className);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UINT m_templateId;
    CWnd* m_parent;
    BOOL m_running = FALSE;
    int m_result = -1;
    int m_handlersRunning = 0;

    friend class DialogWindow;
};
