#pragma once

// Platform-internal: the dialogs whose modal runs are under way, innermost last.

class CDialog;

namespace ModalStack {
void Push(CDialog* dialog);
void Pop(CDialog* dialog);
CDialog* Innermost();
// TRUE while any dialog's handler runs.
bool HandlerRunning();
} // namespace ModalStack
