// The resources of the folder-tree test program: one dialog with a tree as tall as the Select
// Folder dialog's.

#include "Resources.h"
#include "Styles.h"
#include "TreeHostDlg.h"

namespace {
constexpr ControlTemplate kTreeHostControls[] = {
    {IDC_TREE, "SysTreeView32", "Tree1", 7, 7, 194, 140,
     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
         TVS_LINESATROOT},
    {IDOK, "button", "OK", 108, 154, 57, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_TREE_HOST, "Folder Tree", "MS Sans Serif", 8, 0, 0, 208, 175,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, kTreeHostControls},
};
} // namespace

const ResourceModule& AfxGetResourceModule() {
    static const ResourceModule module = {kDialogs, {}, {}};
    return module;
}
