#pragma once

// Platform-internal: keeps user input and close requests away from dialogs that are disabled or
// busy in a handler, so that no run can be re-entered.

#include <QObject>

class InputGate : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
