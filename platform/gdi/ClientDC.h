#pragma once

// A context for a window's client area, or for the whole screen when the window is null;
// released when the object goes.

#include "DC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};
