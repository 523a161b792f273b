#include "Resources.h"

#include <algorithm>

namespace {
template <typename Table> auto FindById(const Table& table, UINT id) -> decltype(&table[0]) {
    auto found =
        std::find_if(table.begin(), table.end(), [id](const auto& r) { return r.id == id; });
    return found == table.end() ? nullptr : &*found;
}
} // namespace

const DialogTemplate* AfxFindDialogTemplate(UINT id) {
    return FindById(AfxGetResourceModule().dialogs, id);
}

LPCSTR AfxFindString(UINT id) {
    const StringResource* found = FindById(AfxGetResourceModule().strings, id);
    return found ? found->text : nullptr;
}

const BitmapResource* AfxFindBitmap(UINT id) {
    return FindById(AfxGetResourceModule().bitmaps, id);
}
