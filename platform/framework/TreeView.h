#pragma once

// Platform-internal: the tree-view control. It keeps the classic control's item model and
// answers its messages; Qt's view only draws the model. Clicks and keys go through the same
// expansion and selection paths as the program's requests, so the dialog hears the same
// notifications either way.

#include "TreeModel.h"
#include "WidgetHandle.h"

#include <QTreeView>
#include <optional>

class TreeView : public QTreeView, public ControlMessageTarget, public ControlTeardown {
public:
    TreeView(DWORD style, QWidget* parent);

    LRESULT HandleControlMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void WindowDestroying() override;

    // A point in client coordinates on the given part of the item's row (a TVHT_ONITEM... flag),
    // or, for TVHT_NOWHERE, below the last row. Empty when the item is not shown.
    std::optional<QPoint> PointOn(HTREEITEM item, UINT part) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    struct ItemParts {
        QRect icon;
        QRect label;
    };

    HTREEITEM Insert(const TVINSERTSTRUCT* insert);
    BOOL Delete(HTREEITEM handle);
    void AnnounceDeletion(TreeItem* item);
    BOOL Expand(TreeItem* item, UINT action, bool byUser);
    BOOL Select(TreeItem* item, UINT cause);
    HTREEITEM NextItem(HTREEITEM handle, UINT relation) const;
    BOOL GetItem(TV_ITEM* query) const;
    BOOL SetItem(const TV_ITEM* change);
    BOOL Sort(TreeItem* parent, const TVSORTCB& sort, bool recurse);
    TreeItem* ParentOf(HTREEITEM handle) const;
    static TV_ITEM Describe(const TreeItem* item);
    LRESULT Notify(NMHDR& header, int code);

    // Viewport coordinates in; TVHT flags and the item there out.
    UINT HitTestAt(QPoint point, TreeItem** hit) const;
    bool HasButtonCell(const TreeItem* item) const;
    bool ShowsButton(const TreeItem* item) const;
    ItemParts PartsOf(const TreeItem* item, const QRect& cell) const;
    void DrawBranches(QPainter* painter, const QRect& area, const TreeItem* item) const;
    TreeItem* ItemAbove(TreeItem* item) const;
    TreeItem* ItemBelow(TreeItem* item) const;

    TreeModel* m_model;
    DWORD m_style;
};
