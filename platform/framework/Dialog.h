#pragma once

// A modal dialog box built from a template of the program's resources.

#include "DataExchange.h"
#include "Wnd.h"

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

    DECLARE_MESSAGE_MAP()

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    virtual void OnOK();
    virtual void OnCancel();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UINT m_templateId;
    CWnd* m_parent;
    BOOL m_running = FALSE;
    int m_result = -1;
    int m_handlersRunning = 0;

    friend class DialogWindow;
};
