#include "ClientDC.h"

#include "Gdi.h"
#include "Wnd.h"

CClientDC::CClientDC(CWnd* window) : m_hWnd(window ? window->GetSafeHwnd() : nullptr) {
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC() {
    ::ReleaseDC(m_hWnd, Detach());
}
