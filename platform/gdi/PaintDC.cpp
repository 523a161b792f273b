#include "PaintDC.h"

#include "Wnd.h"

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->GetSafeHwnd()) {
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}
