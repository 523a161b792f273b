#pragma once

// Platform-internal: the items of a tree-view control and their presentation to Qt's view. The
// model only stores; what the classic control announces and decides is TreeView's work.

#include "TreeCtrl.h"

#include <QAbstractItemModel>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

struct TreeItem {
    std::string text;
    int image = 0;
    int selectedImage = 0;
    LPARAM lParam = 0;
    UINT state = 0;
    int childrenFlag = 0;
    TreeItem* parent = nullptr;
    int row = 0;
    std::vector<std::unique_ptr<TreeItem>> children;
};

class TreeModel : public QAbstractItemModel {
public:
    explicit TreeModel(QObject* parent);
    ~TreeModel() override;

    TreeItem* Root() { return &m_root; }
    // Whether the handle names an item that exists now; TVI_ROOT and stale handles do not.
    bool IsItem(HTREEITEM handle) const;
    TreeItem* ItemOf(HTREEITEM handle) const;
    static HTREEITEM HandleOf(const TreeItem* item);
    TreeItem* ItemAt(const QModelIndex& index) const;
    QModelIndex IndexOf(const TreeItem* item) const;
    int Count() const { return static_cast<int>(m_items.size()); }

    // Inserts at `row` of `parent`'s children.
    TreeItem* Insert(TreeItem* parent, int row, std::unique_ptr<TreeItem> item);
    // Takes every child of `parent` out at once; the items must have been announced.
    void RemoveChildren(TreeItem* parent);
    void Remove(TreeItem* item);
    void SortChildren(TreeItem* parent, const std::function<bool(LPARAM, LPARAM)>& before);
    void Changed(const TreeItem* item);

    void SetImageList(HIMAGELIST list);
    HIMAGELIST ImageList() const { return m_imageList; }
    void SetCaret(TreeItem* caret);
    TreeItem* Caret() const { return m_caret; }

    QModelIndex index(int row, int column, const QModelIndex& parent) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    bool hasChildren(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void Forget(TreeItem* item);
    static void Renumber(TreeItem* parent, int from);

    TreeItem m_root;
    std::unordered_set<const TreeItem*> m_items;
    HIMAGELIST m_imageList = nullptr;
    TreeItem* m_caret = nullptr;
};
