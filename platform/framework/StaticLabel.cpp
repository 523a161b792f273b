#include "StaticLabel.h"

#include "Styles.h"
#include "WidgetHandle.h"

StaticLabel::StaticLabel(DWORD style, QWidget* parent) : QLabel(parent), m_style(style) {
    setWordWrap(true);
    DWORD kind = style & SS_TYPEMASK;
    Qt::Alignment horizontal = kind == SS_CENTER  ? Qt::AlignHCenter
                               : kind == SS_RIGHT ? Qt::AlignRight
                                                  : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignTop);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void StaticLabel::SetControlText(const char* text) {
    if (m_text == (text ? text : "")) {
        return;
    }
    m_text = text ? text : "";
    if (!m_textChanged) {
        m_textChanged = true;
        AfxBeforeNextPaint(this, [this] { ShowRecordedText(); });
    }
}

void StaticLabel::ShowRecordedText() {
    m_textChanged = false;
    QString shown = ToQString(m_text.c_str());
    // Only a text with a mnemonic marker needs the costlier rich-text layout.
    bool marked = !(m_style & SS_NOPREFIX) && shown.contains(u'&');
    setTextFormat(marked ? Qt::RichText : Qt::PlainText);
    setText(marked ? MnemonicMarkup(shown) : shown);
}

QString StaticLabel::MnemonicMarkup(const QString& text) {
    QString markup;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar ch = text[i];
        bool underline = false;
        if (ch == u'&') {
            if (++i == text.size()) {
                break;
            }
            ch = text[i];
            underline = ch != u'&';
        }
        QString piece = ch == u'\n' ? QStringLiteral("<br>") : QString(ch).toHtmlEscaped();
        markup += underline ? QStringLiteral("<u>") + piece + QStringLiteral("</u>") : piece;
    }
    return QStringLiteral("<span style=\"white-space:pre-wrap\">") + markup +
           QStringLiteral("</span>");
}
