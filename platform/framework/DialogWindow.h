#pragma once

// Platform-internal: the top-level widget of a running dialog. It builds the controls from the
// template, turns keys, clicks and the close box into the dialog's commands, and holds what
// lives only as long as the window: the window menu and the controls' wrapper objects.

#include "Menu.h"

#include <QEventLoop>
#include <QWidget>
#include <map>
#include <memory>

class CDialog;
class CWnd;
struct DialogTemplate;

class DialogWindow : public QWidget {
public:
    DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner);
    ~DialogWindow() override;

    static DialogWindow* FromWidget(QWidget* widget);

    QWidget* Control(int id) const;
    CWnd* Wrapper(QWidget* control);
    CMenu* SystemMenu(bool revert);
    void ShowSystemMenu(QPoint globalPos);
    void FocusFirstTabStop();
    // Runs until the dialog ends; returns at once if it has ended already.
    void RunModalLoop();
    void QuitModalLoop();
    // Announces the controls' end and lets go of everything attached to them.
    void Teardown();

    // A disabled window, or one whose handler is running, takes no input.
    void Disable() { ++m_disabled; }
    void Enable() { --m_disabled; }
    bool IsDisabled() const { return m_disabled > 0; }
    bool AcceptsInput() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int DefaultCommandId() const;
    void SendCommand(int id, UINT code);

    CDialog& m_dialog;
    std::map<int, QWidget*> m_controls; // by id; the unnamed (-1) controls are not listed
    std::map<QWidget*, std::unique_ptr<CWnd>> m_wrappers;
    std::unique_ptr<CMenu> m_systemMenu;
    QEventLoop* m_loop = nullptr;
    int m_disabled = 0;
};
