#include "ModalStack.h"

#include "Dialog.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<CDialog*>& Dialogs() {
    static std::vector<CDialog*> dialogs;
    return dialogs;
}
} // namespace

void ModalStack::Push(CDialog* dialog) {
    Dialogs().push_back(dialog);
}

void ModalStack::Pop(CDialog* dialog) {
    std::erase(Dialogs(), dialog);
}

CDialog* ModalStack::Innermost() {
    return Dialogs().empty() ? nullptr : Dialogs().back();
}

bool ModalStack::HandlerRunning() {
    return std::any_of(Dialogs().begin(), Dialogs().end(),
                       [](CDialog* dialog) { return dialog->IsHandlerRunning(); });
}
