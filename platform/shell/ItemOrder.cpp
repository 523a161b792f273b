#include "ItemOrder.h"

#include "NaturalNameOrder.h"

namespace {

int Rank(const ShellItem& item) {
    switch (item.Kind()) {
    case ItemKind::Home:
        return 0;
    case ItemKind::Computer:
        return 1;
    case ItemKind::Volume:
        return item.Text() == "/" ? 2 : 3;
    case ItemKind::Folder:
        return 4;
    case ItemKind::File:
        return 5;
    }
    return 6;
}

HRESULT Result(int order) {
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, static_cast<USHORT>(static_cast<short>(order)));
}

} // namespace

int ItemOrder::Compare(const ShellItem& left, const ShellItem& right) {
    const int leftRank = Rank(left);
    const int rightRank = Rank(right);
    if (leftRank != rightRank) {
        return leftRank < rightRank ? -1 : 1;
    }
    return NaturalNameOrder::Compare(left.Text(), right.Text());
}

HRESULT ItemOrder::CompareLists(LPCITEMIDLIST left, LPCITEMIDLIST right) {
    while (!ShellItem::IsEnd(left) && !ShellItem::IsEnd(right)) {
        const auto leftItem = ShellItem::Read(left);
        const auto rightItem = ShellItem::Read(right);
        if (!leftItem || !rightItem) {
            return E_INVALIDARG;
        }
        if (const int order = Compare(*leftItem, *rightItem)) {
            return Result(order);
        }
        left = ShellItem::Next(left);
        right = ShellItem::Next(right);
    }
    if (!left || !right) {
        return E_INVALIDARG;
    }
    return Result(ShellItem::IsEnd(left) ? (ShellItem::IsEnd(right) ? 0 : -1) : 1);
}
