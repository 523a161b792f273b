#include "TreeModel.h"

#include "WidgetHandle.h"

#include <algorithm>

TreeModel::TreeModel(QObject* parent) : QAbstractItemModel(parent) {}

TreeModel::~TreeModel() = default;

bool TreeModel::IsItem(HTREEITEM handle) const {
    return m_items.count(reinterpret_cast<const TreeItem*>(handle)) != 0;
}

TreeItem* TreeModel::ItemOf(HTREEITEM handle) const {
    return IsItem(handle) ? reinterpret_cast<TreeItem*>(handle) : nullptr;
}

HTREEITEM TreeModel::HandleOf(const TreeItem* item) {
    return reinterpret_cast<HTREEITEM>(const_cast<TreeItem*>(item));
}

TreeItem* TreeModel::ItemAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TreeItem*>(index.internalPointer()) : nullptr;
}

QModelIndex TreeModel::IndexOf(const TreeItem* item) const {
    if (!item || item == &m_root) {
        return {};
    }
    return createIndex(item->row, 0, const_cast<TreeItem*>(item));
}

TreeItem* TreeModel::Insert(TreeItem* parent, int row, std::unique_ptr<TreeItem> item) {
    TreeItem* inserted = item.get();
    inserted->parent = parent;
    beginInsertRows(IndexOf(parent), row, row);
    parent->children.insert(parent->children.begin() + row, std::move(item));
    Renumber(parent, row);
    m_items.insert(inserted);
    endInsertRows();
    return inserted;
}

void TreeModel::RemoveChildren(TreeItem* parent) {
    if (parent->children.empty()) {
        return;
    }
    beginRemoveRows(IndexOf(parent), 0, static_cast<int>(parent->children.size()) - 1);
    for (const auto& child : parent->children) {
        Forget(child.get());
    }
    parent->children.clear();
    endRemoveRows();
}

void TreeModel::Remove(TreeItem* item) {
    TreeItem* parent = item->parent;
    const int row = item->row;
    beginRemoveRows(IndexOf(parent), row, row);
    Forget(item);
    parent->children.erase(parent->children.begin() + row);
    Renumber(parent, row);
    endRemoveRows();
}

void TreeModel::SortChildren(TreeItem* parent, const std::function<bool(LPARAM, LPARAM)>& before) {
    emit layoutAboutToBeChanged({IndexOf(parent)}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistent = persistentIndexList();
    std::stable_sort(
        parent->children.begin(), parent->children.end(),
        [&before](const auto& a, const auto& b) { return before(a->lParam, b->lParam); });
    Renumber(parent, 0);
    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (const QModelIndex& index : persistent) {
        moved.append(createIndex(ItemAt(index)->row, index.column(), index.internalPointer()));
    }
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({IndexOf(parent)}, QAbstractItemModel::VerticalSortHint);
}

void TreeModel::Changed(const TreeItem* item) {
    QModelIndex index = IndexOf(item);
    emit dataChanged(index, index);
}

void TreeModel::SetImageList(HIMAGELIST list) {
    beginResetModel();
    m_imageList = list;
    endResetModel();
}

void TreeModel::SetCaret(TreeItem* caret) {
    TreeItem* previous = m_caret;
    m_caret = caret;
    // The caret shows its selected image.
    if (previous) {
        Changed(previous);
    }
    if (caret) {
        Changed(caret);
    }
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    const TreeItem* owner = parent.isValid() ? ItemAt(parent) : &m_root;
    if (column != 0 || row < 0 || row >= static_cast<int>(owner->children.size())) {
        return {};
    }
    return createIndex(row, 0, owner->children[static_cast<std::size_t>(row)].get());
}

QModelIndex TreeModel::parent(const QModelIndex& index) const {
    const TreeItem* item = ItemAt(index);
    return item ? IndexOf(item->parent) : QModelIndex();
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    const TreeItem* owner = parent.isValid() ? ItemAt(parent) : &m_root;
    return static_cast<int>(owner->children.size());
}

int TreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool TreeModel::hasChildren(const QModelIndex& parent) const {
    const TreeItem* owner = parent.isValid() ? ItemAt(parent) : &m_root;
    return !owner->children.empty() || (owner != &m_root && owner->childrenFlag > 0);
}

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    const TreeItem* item = ItemAt(index);
    if (!item) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return ToQString(item->text.c_str());
    }
    if (role == Qt::DecorationRole && m_imageList) {
        return ImageListIcon(m_imageList, item == m_caret ? item->selectedImage : item->image);
    }
    return {};
}

void TreeModel::Forget(TreeItem* item) {
    for (const auto& child : item->children) {
        Forget(child.get());
    }
    m_items.erase(item);
    if (m_caret == item) {
        m_caret = nullptr;
    }
}

void TreeModel::Renumber(TreeItem* parent, int from) {
    for (std::size_t at = static_cast<std::size_t>(from); at < parent->children.size(); ++at) {
        parent->children[at]->row = static_cast<int>(at);
    }
}
