#include "DataExchange.h"

#include "Wnd.h"

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    if (dx->m_bSaveAndValidate) {
        value = dx->m_pDlgWnd->GetDlgItemText(id);
    } else {
        dx->m_pDlgWnd->SetDlgItemText(id, value);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.GetSafeHwnd()) {
        return;
    }
    if (CWnd* item = dx->m_pDlgWnd->GetDlgItem(id)) {
        // The member takes the control's place: later lookups of the control find the member.
        HWND window = item->GetSafeHwnd();
        control.Attach(window);
    }
}
