#pragma once

// Platform-internal: builds the widget for one control of a dialog template.

#include "Resources.h"

#include <QWidget>
#include <memory>

class CWnd;
class DialogUnits;

QWidget* AfxCreateControl(const ControlTemplate& control, const DialogUnits& units,
                          QWidget* parent);
// The object that GetDlgItem hands out for a control of this window class when none is attached.
std::unique_ptr<CWnd> AfxCreateControlWrapper(const char* className);
// Sets or reads a control's text the way its class shows it.
void AfxSetWidgetText(QWidget* widget, const char* text);
std::string AfxGetWidgetText(QWidget* widget);
