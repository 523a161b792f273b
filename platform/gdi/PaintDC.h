#pragma once

// The context of one paint of a window: begins the paint when made, ends it when it goes.

#include "DC.h"
#include "Gdi.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};
