#include "Automation.h"
#include "Dialog.h"

AutomationScript::AutomationScript() : m_previous(AfxGetAutomationListener()) {
    AfxSetAutomationListener(this);
}

AutomationScript::~AutomationScript() {
    AfxSetAutomationListener(m_previous);
}

void AutomationScript::DialogShown(CDialog& dialog) {
    dialogsShown.push_back(dialog.GetTemplateId());
    if (!m_steps.empty()) {
        DialogStep step = std::move(m_steps.front());
        m_steps.erase(m_steps.begin());
        step(dialog);
    }
    if (dialog.IsRunning()) {
        ++dialogsLeftRunning;
        dialog.EndDialog(IDCANCEL);
    }
}

int AutomationScript::MessageBoxShown(const MessageBoxRecord& box, HWND boxWindow) {
    boxes.push_back(box);
    if (m_boxWatcher) {
        m_boxWatcher(box, boxWindow);
    }
    if (m_boxAnswers.empty()) {
        return IDOK;
    }
    int answer = m_boxAnswers.front();
    m_boxAnswers.erase(m_boxAnswers.begin());
    return answer;
}

UINT AutomationScript::MenuShown(const std::vector<MenuItemRecord>& items) {
    menus.push_back(items);
    if (m_menuAnswers.empty()) {
        return 0;
    }
    UINT answer = m_menuAnswers.front();
    m_menuAnswers.erase(m_menuAnswers.begin());
    return answer;
}
