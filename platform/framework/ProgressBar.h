#pragma once

// Platform-internal: the progress bar control. It keeps the classic control's model (range, step,
// position) and shows it without a percentage text. The view follows the model from the event
// loop, so that a handler stepping the bar for every entry does not repaint it every time.

#include "WidgetHandle.h"

#include <QProgressBar>

class ProgressBar : public QProgressBar, public ControlMessageTarget {
public:
    explicit ProgressBar(QWidget* parent);

    LRESULT HandleControlMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Returns the previous position.
    int MoveTo(int position);

    int m_lower = 0;
    int m_upper = 100;
    int m_step = 10;
    int m_position = 0;
    bool m_viewUpdatePending = false;
};
