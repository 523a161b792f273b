#pragma once

// Dialog data exchange: moves values between members and controls in one direction at a time.

#include "CString.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate; // TRUE: controls to members
};

void DDX_Text(CDataExchange* dx, int id, CString& value);
// Attaches the member to the control on the first exchange.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
