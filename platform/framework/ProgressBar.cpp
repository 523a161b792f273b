#include "ProgressBar.h"

#include "ProgressCtrl.h"

#include <algorithm>

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    setRange(m_lower, m_upper);
    setValue(m_position);
}

int ProgressBar::MoveTo(int position) {
    int previous = m_position;
    m_position = m_upper >= m_lower ? std::clamp(position, m_lower, m_upper) : m_lower;
    if (!m_viewUpdatePending) {
        m_viewUpdatePending = true;
        AfxBeforeNextPaint(this, [this] {
            m_viewUpdatePending = false;
            setValue(m_position);
        });
    }
    AfxPumpPaintMessages();
    return previous;
}

LRESULT ProgressBar::HandleControlMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case PBM_SETRANGE32: {
        LRESULT previous = MAKELPARAM(static_cast<WORD>(m_lower), static_cast<WORD>(m_upper));
        m_lower = static_cast<int>(wParam);
        m_upper = static_cast<int>(lParam);
        setRange(m_lower, std::max(m_lower, m_upper));
        MoveTo(m_position);
        return previous;
    }
    case PBM_GETRANGE: {
        if (auto* range = reinterpret_cast<int*>(lParam)) {
            range[0] = m_lower;
            range[1] = m_upper;
        }
        return wParam ? m_lower : m_upper;
    }
    case PBM_SETPOS:
        return MoveTo(static_cast<int>(wParam));
    case PBM_SETSTEP: {
        int previous = m_step;
        m_step = static_cast<int>(wParam);
        return previous;
    }
    case PBM_STEPIT: {
        // Past either bound the bar starts over from the lower one, as the classic control does.
        int next = m_position + m_step;
        return MoveTo(next > m_upper || next < m_lower ? m_lower : next);
    }
    case PBM_GETPOS:
        return m_position;
    default:
        return 0;
    }
}
