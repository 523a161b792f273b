#pragma once

// Platform-internal: builds the widget for one control of a dialog template.

#include "Resources.h"

#include <QWidget>

class DialogUnits;

QWidget* AfxCreateControl(const ControlTemplate& control, const DialogUnits& units,
                          QWidget* parent);
// Sets or reads a control's text the way its class shows it.
void AfxSetWidgetText(QWidget* widget, const char* text);
std::string AfxGetWidgetText(QWidget* widget);
