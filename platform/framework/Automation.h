#pragma once

// The automation seam: tests and the headless walkthrough watch dialogs open, press controls,
// type, pick menu commands and answer message boxes, through the same widgets a user would use.

#include "WinTypes.h"

#include <functional>
#include <string>
#include <vector>

class CDialog;
class CWnd;

struct MessageBoxRecord {
    HWND owner;
    std::string caption;
    std::string text;
    UINT type;
};

struct MenuItemRecord {
    UINT flags;
    UINT id;
    std::string text;
};

class AutomationListener {
public:
    virtual ~AutomationListener() = default;
    // Called inside the dialog's modal run, once it is shown.
    virtual void DialogShown(CDialog& dialog) = 0;
    // Called while the box is shown; the result is the id of the button to press.
    virtual int MessageBoxShown(const MessageBoxRecord& box, HWND boxWindow) = 0;
    // Called while a menu is shown; the result is the command to pick, 0 to dismiss it.
    virtual UINT MenuShown(const std::vector<MenuItemRecord>& items) = 0;
};

void AfxSetAutomationListener(AutomationListener* listener);
AutomationListener* AfxGetAutomationListener();

// What a user does, done to real widgets.
namespace Automation {
enum class Key { Enter, Escape };

void Click(CWnd& dialog, int controlId);
void TypeText(CWnd& dialog, int controlId, const char* text);
void PressKey(CWnd& window, Key key);
void CloseBox(CWnd& window);
// Right click on the dialog's background: opens the window menu.
void RightClickBackground(CWnd& dialog);
// The widget that has the keyboard focus, as a control id (0 for none or the dialog itself).
int FocusedControlId(CWnd& dialog);
bool SaveScreenshot(HWND window, const std::string& path);
// Runs the action once, after the delay, from the event loop; also while a long handler lets the
// windows paint, so that a run can be watched from outside.
void Later(int milliseconds, std::function<void()> action);
} // namespace Automation

// A listener that plays a script: the next step for each dialog that opens, queued answers for
// boxes and menus, and a record of everything that was shown. A dialog still running when its
// step returns is cancelled, and unscripted dialogs, boxes and menus get a safe default, so a
// script that falls short ends instead of hanging.
class AutomationScript : public AutomationListener {
public:
    using DialogStep = std::function<void(CDialog&)>;
    using BoxWatcher = std::function<void(const MessageBoxRecord&, HWND)>;

    AutomationScript();
    ~AutomationScript() override;

    void OnDialog(DialogStep step) { m_steps.push_back(std::move(step)); }
    void AnswerBox(int buttonId) { m_boxAnswers.push_back(buttonId); }
    void PickMenuCommand(UINT id) { m_menuAnswers.push_back(id); }
    void WatchBoxes(BoxWatcher watcher) { m_boxWatcher = std::move(watcher); }

    std::vector<UINT> dialogsShown;
    std::vector<MessageBoxRecord> boxes;
    std::vector<std::vector<MenuItemRecord>> menus;
    int dialogsLeftRunning = 0;

    void DialogShown(CDialog& dialog) override;
    int MessageBoxShown(const MessageBoxRecord& box, HWND boxWindow) override;
    UINT MenuShown(const std::vector<MenuItemRecord>& items) override;

private:
    std::vector<DialogStep> m_steps;
    std::vector<int> m_boxAnswers;
    std::vector<UINT> m_menuAnswers;
    BoxWatcher m_boxWatcher;
    AutomationListener* m_previous;
};
