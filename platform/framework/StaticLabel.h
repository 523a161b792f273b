#pragma once

// Platform-internal: a static text control. Lines wrap at word boundaries within the control and
// whatever does not fit is cut off; an ampersand marks the next character as a mnemonic unless
// the control has SS_NOPREFIX, and a doubled one shows one ampersand.

#include "WinTypes.h"

#include <QLabel>
#include <string>

class StaticLabel : public QLabel {
public:
    StaticLabel(DWORD style, QWidget* parent);

    void SetControlText(const char* text);
    const std::string& ControlText() const { return m_text; }

    // The rich text shown for a text with mnemonic markers.
    static QString MnemonicMarkup(const QString& text);

private:
    // Setting a text only records it; the label takes it before the window next paints, so a
    // handler that changes a status line for every entry does not pay for a layout each time.
    void ShowRecordedText();

    DWORD m_style;
    std::string m_text;
    bool m_textChanged = false;
};
