#include "AboutBoxDlg.h"
#include "Automation.h"
#include "DialogUnits.h"
#include "InstallerDlg.h"
#include "ResourceIds.h"
#include "Resources.h"
#include "WidgetHandle.h"
#include "WorkingDirectory.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
// Checks every control of the running dialog against its template: place, size, and text that
// fits at the dialog's font.
void ExpectLaidOutAsTemplate(CDialog& dialog) {
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(dialog.GetTemplateId());
    ASSERT_NE(dialogTemplate, nullptr);
    QWidget* window = WidgetFromHandle(dialog.GetSafeHwnd());
    DialogUnits units(window->font());
    EXPECT_EQ(window->size(), units.ToPixels(0, 0, dialogTemplate->cx, dialogTemplate->cy).size());
    QFontMetrics metrics(window->font());

    // Frames and group boxes stand behind the other controls, so the widgets' stacking order is
    // not the template's: each template control is looked up by its id and place.
    QList<QWidget*> children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(static_cast<std::size_t>(children.size()), dialogTemplate->controls.size());
    for (const ControlTemplate& control : dialogTemplate->controls) {
        SCOPED_TRACE(control.text ? control.text : "");
        QRect place = units.ToPixels(control.x, control.y, control.cx, control.cy);
        auto found = std::find_if(children.begin(), children.end(), [&](QWidget* child) {
            return ControlIdOf(child) == control.id && child->geometry() == place;
        });
        ASSERT_NE(found, children.end()) << "no control " << control.id << " at its place";
        QWidget* widget = *found;
        children.erase(found);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QString text = button->text().remove(u'&');
            EXPECT_LE(metrics.horizontalAdvance(text) + 8, widget->width());
            EXPECT_LE(metrics.height(), widget->height());
        } else if (qobject_cast<QLabel*>(widget)) {
            // Every line of the shown text fits on one line of the control, and all of them fit.
            QString text = QString::fromStdString(dialog.GetDlgItemText(control.id).str());
            QStringList lines = text.remove(u'&').split(u'\n');
            for (const QString& line : lines) {
                EXPECT_LE(metrics.horizontalAdvance(line), widget->width()) << line.toStdString();
            }
            EXPECT_LE(metrics.lineSpacing() * lines.size(), widget->height());
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_LE(metrics.horizontalAdvance(box->title()) + 16, widget->width());
        }
    }
}

TEST(DialogLayout, MainDialogStandsAsItsTemplate) {
    WorkingDirectory folder;
    folder.Write("Install.ini", "[Config]\nInfoLine1=Released 15 March 1999\nInfoLine2=Three "
                                "archive volumes\nInfoLine3=Runs on Windows 95 and NT 4.0\n");
    AutomationScript script;
    script.OnDialog([](CDialog& dialog) {
        ExpectLaidOutAsTemplate(dialog);
        Automation::Click(dialog, IDCANCEL);
    });
    CInstallerDlg dialog(nullptr);
    dialog.DoModal();
}

TEST(DialogLayout, AboutBoxStandsAsItsTemplateWithFiveLinesAndFocusOnOk) {
    AutomationScript script;
    int focused = 0;
    script.OnDialog([&](CDialog& dialog) {
        ExpectLaidOutAsTemplate(dialog);
        focused = Automation::FocusedControlId(dialog);
        Automation::PressKey(dialog, Automation::Key::Enter);
    });
    CAboutBoxDlg about(nullptr);
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_EQ(focused, IDOK);
}
} // namespace
