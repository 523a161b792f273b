#include "TreeView.h"

#include "PointerPosition.h"
#include "Styles.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <cstring>
#include <vector>

namespace {
constexpr int kIconSize = 16;
constexpr int kIndentation = 19;
constexpr int kButtonSize = 9;
constexpr int kLabelPadding = 2;
constexpr UINT kStoredStates = TVIS_EXPANDEDONCE;

bool IsDescendantOf(const TreeItem* item, const TreeItem* ancestor) {
    for (; item; item = item->parent) {
        if (item == ancestor) {
            return true;
        }
    }
    return false;
}

TreeItem* NextSibling(const TreeItem* item) {
    const auto& siblings = item->parent->children;
    std::size_t next = static_cast<std::size_t>(item->row) + 1;
    return next < siblings.size() ? siblings[next].get() : nullptr;
}

TreeItem* PreviousSibling(const TreeItem* item) {
    return item->row > 0 ? item->parent->children[static_cast<std::size_t>(item->row) - 1].get()
                         : nullptr;
}
} // namespace

TreeView::TreeView(DWORD style, QWidget* parent)
    : QTreeView(parent), m_model(new TreeModel(this)), m_style(style) {
    setModel(m_model);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(kIconSize, kIconSize));
    setIndentation(kIndentation);
    setRootIsDecorated(style & TVS_LINESATROOT);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
}

void TreeView::WindowDestroying() {
    Delete(TVI_ROOT);
}

LRESULT TreeView::HandleControlMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TVM_INSERTITEM:
        return reinterpret_cast<LRESULT>(Insert(reinterpret_cast<const TVINSERTSTRUCT*>(lParam)));
    case TVM_DELETEITEM:
        return Delete(reinterpret_cast<HTREEITEM>(lParam));
    case TVM_EXPAND:
        return Expand(m_model->ItemOf(reinterpret_cast<HTREEITEM>(lParam)),
                      static_cast<UINT>(wParam), false);
    case TVM_GETCOUNT:
        return m_model->Count();
    case TVM_SETIMAGELIST: {
        if (wParam != TVSIL_NORMAL) {
            return 0;
        }
        HIMAGELIST previous = m_model->ImageList();
        m_model->SetImageList(reinterpret_cast<HIMAGELIST>(lParam));
        return reinterpret_cast<LRESULT>(previous);
    }
    case TVM_GETNEXTITEM:
        return reinterpret_cast<LRESULT>(
            NextItem(reinterpret_cast<HTREEITEM>(lParam), static_cast<UINT>(wParam)));
    case TVM_SELECTITEM: {
        if (wParam != TVGN_CARET) {
            return FALSE;
        }
        auto handle = reinterpret_cast<HTREEITEM>(lParam);
        TreeItem* item = m_model->ItemOf(handle);
        return (item || !handle) ? Select(item, TVC_UNKNOWN) : FALSE;
    }
    case TVM_GETITEM:
        return GetItem(reinterpret_cast<TV_ITEM*>(lParam));
    case TVM_SETITEM:
        return SetItem(reinterpret_cast<const TV_ITEM*>(lParam));
    case TVM_HITTEST: {
        auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
        if (!info) {
            return 0;
        }
        const QPoint client(info->pt.x, info->pt.y);
        TreeItem* hit = nullptr;
        info->flags = HitTestAt(viewport()->mapFrom(this, client), &hit);
        if (client.x() < 0) {
            info->flags = TVHT_TOLEFT;
        } else if (client.x() >= width()) {
            info->flags = TVHT_TORIGHT;
        }
        if (client.y() < 0) {
            info->flags |= TVHT_ABOVE;
        } else if (client.y() >= height()) {
            info->flags |= TVHT_BELOW;
        }
        info->hItem = (info->flags & (TVHT_ABOVE | TVHT_BELOW | TVHT_TOLEFT | TVHT_TORIGHT))
                          ? nullptr
                          : TreeModel::HandleOf(hit);
        return reinterpret_cast<LRESULT>(info->hItem);
    }
    case TVM_SORTCHILDRENCB: {
        const auto* sort = reinterpret_cast<const TVSORTCB*>(lParam);
        TreeItem* parent = sort ? ParentOf(sort->hParent) : nullptr;
        return parent && sort->lpfnCompare ? Sort(parent, *sort, wParam != 0) : FALSE;
    }
    default:
        return 0;
    }
}

TreeItem* TreeView::ParentOf(HTREEITEM handle) const {
    return (!handle || handle == TVI_ROOT) ? m_model->Root() : m_model->ItemOf(handle);
}

HTREEITEM TreeView::Insert(const TVINSERTSTRUCT* insert) {
    TreeItem* parent = insert ? ParentOf(insert->hParent) : nullptr;
    if (!parent) {
        return nullptr;
    }
    const int count = static_cast<int>(parent->children.size());
    int row = count;
    if (insert->hInsertAfter == TVI_FIRST) {
        row = 0;
    } else if (TreeItem* after = m_model->ItemOf(insert->hInsertAfter);
               after && after->parent == parent) {
        row = after->row + 1;
    }
    const TV_ITEM& fields = insert->item;
    auto item = std::make_unique<TreeItem>();
    if ((fields.mask & TVIF_TEXT) && fields.pszText) {
        item->text = fields.pszText;
    }
    if (fields.mask & TVIF_IMAGE) {
        item->image = fields.iImage;
    }
    if (fields.mask & TVIF_SELECTEDIMAGE) {
        item->selectedImage = fields.iSelectedImage;
    }
    if (fields.mask & TVIF_PARAM) {
        item->lParam = fields.lParam;
    }
    if (fields.mask & TVIF_CHILDREN) {
        item->childrenFlag = fields.cChildren;
    }
    if (fields.mask & TVIF_STATE) {
        item->state = fields.state & fields.stateMask & kStoredStates;
    }
    return TreeModel::HandleOf(m_model->Insert(parent, row, std::move(item)));
}

BOOL TreeView::Delete(HTREEITEM handle) {
    if (!handle || handle == TVI_ROOT) {
        TreeItem* root = m_model->Root();
        for (const auto& child : root->children) {
            AnnounceDeletion(child.get());
        }
        m_model->RemoveChildren(root);
        return TRUE;
    }
    TreeItem* item = m_model->ItemOf(handle);
    if (!item) {
        return FALSE;
    }
    // A deleted selection passes to a neighbour, as the caret must stay on the tree.
    TreeItem* successor = nullptr;
    if (IsDescendantOf(m_model->Caret(), item)) {
        successor = NextSibling(item);
        if (!successor) {
            successor = item->parent != m_model->Root() ? item->parent : PreviousSibling(item);
        }
    }
    AnnounceDeletion(item);
    if (m_model->ItemOf(handle)) {
        m_model->Remove(item);
    }
    if (successor && m_model->IsItem(TreeModel::HandleOf(successor))) {
        Select(successor, TVC_UNKNOWN);
    }
    return TRUE;
}

void TreeView::AnnounceDeletion(TreeItem* item) {
    for (const auto& child : item->children) {
        AnnounceDeletion(child.get());
    }
    NM_TREEVIEW notification{};
    notification.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
    notification.itemOld.hItem = TreeModel::HandleOf(item);
    notification.itemOld.lParam = item->lParam;
    Notify(notification.hdr, TVN_DELETEITEM);
}

BOOL TreeView::Expand(TreeItem* item, UINT action, bool byUser) {
    if (!item) {
        return FALSE;
    }
    const bool expanded = item->state & TVIS_EXPANDED;
    UINT act = action & TVE_TOGGLE;
    if (act == TVE_TOGGLE) {
        act = expanded ? TVE_COLLAPSE : TVE_EXPAND;
    }
    if ((act == TVE_EXPAND && (expanded || !ShowsButton(item))) ||
        (act == TVE_COLLAPSE && !expanded) || act == 0) {
        return FALSE;
    }
    // The program hears of an item's first expansion, and of every one the user asks for.
    const HTREEITEM handle = TreeModel::HandleOf(item);
    if (byUser || !(item->state & TVIS_EXPANDEDONCE)) {
        NM_TREEVIEW notification{};
        notification.action = act;
        notification.itemNew = Describe(item);
        if (Notify(notification.hdr, TVN_ITEMEXPANDING) != 0 || !m_model->IsItem(handle)) {
            return FALSE;
        }
    }
    if (act == TVE_EXPAND) {
        item->state |= TVIS_EXPANDEDONCE;
        if (item->children.empty()) {
            // Nothing to open: the button goes.
            item->childrenFlag = 0;
        } else {
            item->state |= TVIS_EXPANDED;
            expand(m_model->IndexOf(item));
        }
    } else {
        item->state &= ~TVIS_EXPANDED;
        collapse(m_model->IndexOf(item));
        TreeItem* caret = m_model->Caret();
        if (caret != item && IsDescendantOf(caret, item)) {
            Select(item, byUser ? TVC_BYMOUSE : TVC_UNKNOWN);
        }
    }
    m_model->Changed(item);
    return TRUE;
}

BOOL TreeView::Select(TreeItem* item, UINT cause) {
    TreeItem* previous = m_model->Caret();
    if (item == previous) {
        return TRUE;
    }
    const HTREEITEM handle = TreeModel::HandleOf(item);
    if (item) {
        // The new selection must be visible: its closed ancestors open first.
        std::vector<TreeItem*> ancestors;
        for (TreeItem* up = item->parent; up != m_model->Root(); up = up->parent) {
            ancestors.push_back(up);
        }
        for (auto up = ancestors.rbegin(); up != ancestors.rend(); ++up) {
            if (!((*up)->state & TVIS_EXPANDED)) {
                Expand(*up, TVE_EXPAND, false);
            }
        }
        if (!m_model->IsItem(handle)) {
            return FALSE;
        }
    }
    previous = m_model->Caret();
    NM_TREEVIEW notification{};
    notification.action = cause;
    notification.itemOld = Describe(previous);
    if (previous) {
        previous->state &= ~TVIS_SELECTED;
    }
    m_model->SetCaret(item);
    QModelIndex index = m_model->IndexOf(item);
    if (item) {
        item->state |= TVIS_SELECTED;
        scrollTo(index);
    }
    setCurrentIndex(index);
    notification.itemNew = Describe(item);
    Notify(notification.hdr, TVN_SELCHANGED);
    return TRUE;
}

HTREEITEM TreeView::NextItem(HTREEITEM handle, UINT relation) const {
    TreeItem* root = m_model->Root();
    switch (relation) {
    case TVGN_ROOT:
        return root->children.empty() ? nullptr : TreeModel::HandleOf(root->children[0].get());
    case TVGN_CARET:
        return TreeModel::HandleOf(m_model->Caret());
    case TVGN_CHILD: {
        TreeItem* parent = ParentOf(handle);
        return parent && !parent->children.empty() ? TreeModel::HandleOf(parent->children[0].get())
                                                   : nullptr;
    }
    case TVGN_NEXT: {
        TreeItem* item = m_model->ItemOf(handle);
        return item ? TreeModel::HandleOf(NextSibling(item)) : nullptr;
    }
    default:
        return nullptr;
    }
}

BOOL TreeView::GetItem(TV_ITEM* query) const {
    TreeItem* item = query ? m_model->ItemOf(query->hItem) : nullptr;
    if (!item) {
        return FALSE;
    }
    if ((query->mask & TVIF_TEXT) && query->pszText && query->cchTextMax > 0) {
        std::size_t length =
            std::min(item->text.size(), static_cast<std::size_t>(query->cchTextMax - 1));
        std::memcpy(query->pszText, item->text.data(), length);
        query->pszText[length] = '\0';
    }
    if (query->mask & TVIF_IMAGE) {
        query->iImage = item->image;
    }
    if (query->mask & TVIF_SELECTEDIMAGE) {
        query->iSelectedImage = item->selectedImage;
    }
    if (query->mask & TVIF_PARAM) {
        query->lParam = item->lParam;
    }
    if (query->mask & TVIF_CHILDREN) {
        query->cChildren = item->childrenFlag;
    }
    if (query->mask & TVIF_STATE) {
        query->state = item->state & query->stateMask;
    }
    return TRUE;
}

BOOL TreeView::SetItem(const TV_ITEM* change) {
    TreeItem* item = change ? m_model->ItemOf(change->hItem) : nullptr;
    if (!item) {
        return FALSE;
    }
    if ((change->mask & TVIF_TEXT) && change->pszText) {
        item->text = std::string(change->pszText);
    }
    if (change->mask & TVIF_IMAGE) {
        item->image = change->iImage;
    }
    if (change->mask & TVIF_SELECTEDIMAGE) {
        item->selectedImage = change->iSelectedImage;
    }
    if (change->mask & TVIF_PARAM) {
        item->lParam = change->lParam;
    }
    if (change->mask & TVIF_CHILDREN) {
        item->childrenFlag = change->cChildren;
    }
    if (change->mask & TVIF_STATE) {
        // Selection and expansion change only through their own requests, which announce them.
        const UINT settable = change->stateMask & kStoredStates;
        item->state = (item->state & ~settable) | (change->state & settable);
    }
    m_model->Changed(item);
    return TRUE;
}

BOOL TreeView::Sort(TreeItem* parent, const TVSORTCB& sort, bool recurse) {
    m_model->SortChildren(parent, [&sort](LPARAM first, LPARAM second) {
        return sort.lpfnCompare(first, second, sort.lParam) < 0;
    });
    if (recurse) {
        for (const auto& child : parent->children) {
            Sort(child.get(), sort, true);
        }
    }
    return TRUE;
}

TV_ITEM TreeView::Describe(const TreeItem* item) {
    TV_ITEM described{};
    described.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_CHILDREN;
    if (item) {
        described.hItem = TreeModel::HandleOf(item);
        described.state = item->state;
        described.iImage = item->image;
        described.iSelectedImage = item->selectedImage;
        described.cChildren = item->childrenFlag;
        described.lParam = item->lParam;
    }
    return described;
}

LRESULT TreeView::Notify(NMHDR& header, int code) {
    header.hwndFrom = HandleFromWidget(this);
    header.idFrom = static_cast<UINT_PTR>(ControlIdOf(this));
    header.code = code;
    return AfxSendToParent(this, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

bool TreeView::HasButtonCell(const TreeItem* item) const {
    return item->parent != m_model->Root() || rootIsDecorated();
}

bool TreeView::ShowsButton(const TreeItem* item) const {
    return item->childrenFlag > 0 || !item->children.empty();
}

TreeView::ItemParts TreeView::PartsOf(const TreeItem* item, const QRect& cell) const {
    ItemParts parts;
    int left = cell.left();
    if (m_model->ImageList()) {
        parts.icon =
            QRect(left + 1, cell.top() + (cell.height() - kIconSize) / 2, kIconSize, kIconSize);
        left = parts.icon.right() + 1 + kLabelPadding;
    }
    const int textWidth = fontMetrics().horizontalAdvance(ToQString(item->text.c_str()));
    parts.label = QRect(left, cell.top(), textWidth + 2 * kLabelPadding, cell.height());
    return parts;
}

UINT TreeView::HitTestAt(QPoint point, TreeItem** hit) const {
    *hit = nullptr;
    const QModelIndex index = indexAt(point);
    TreeItem* item = m_model->ItemAt(index);
    if (!item || !viewport()->rect().contains(point)) {
        return TVHT_NOWHERE;
    }
    *hit = item;
    const QRect cell = visualRect(index);
    const int x = point.x();
    if (x < cell.left()) {
        return (HasButtonCell(item) && x >= cell.left() - indentation()) ? TVHT_ONITEMBUTTON
                                                                         : TVHT_ONITEMINDENT;
    }
    const ItemParts parts = PartsOf(item, cell);
    if (x < parts.label.left()) {
        return TVHT_ONITEMICON;
    }
    return x <= parts.label.right() ? TVHT_ONITEMLABEL : TVHT_ONITEMRIGHT;
}

std::optional<QPoint> TreeView::PointOn(HTREEITEM handle, UINT part) const {
    TreeItem* item = part == TVHT_NOWHERE ? nullptr : m_model->ItemOf(handle);
    QPoint candidate;
    if (part == TVHT_NOWHERE) {
        const QRect area = viewport()->rect();
        candidate = QPoint(area.center().x(), area.bottom() - 1);
    } else if (item) {
        const QRect cell = visualRect(m_model->IndexOf(item));
        const ItemParts parts = PartsOf(item, cell);
        const int y = cell.center().y();
        const int buttonCell = HasButtonCell(item) ? indentation() : 0;
        switch (part) {
        case TVHT_ONITEMICON:
            candidate = parts.icon.center();
            break;
        case TVHT_ONITEMLABEL:
            candidate = parts.label.center();
            break;
        case TVHT_ONITEMBUTTON:
            candidate = QPoint(cell.left() - indentation() / 2, y);
            break;
        case TVHT_ONITEMINDENT:
            candidate = QPoint(cell.left() - buttonCell - indentation() / 2, y);
            break;
        case TVHT_ONITEMRIGHT:
            candidate = QPoint(parts.label.right() + kIndentation, y);
            break;
        default:
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    // Only a point that really lies on that part, inside the view, will do.
    TreeItem* hit = nullptr;
    if (HitTestAt(candidate, &hit) != part || hit != item) {
        return std::nullopt;
    }
    return candidate + viewport()->pos();
}

TreeItem* TreeView::ItemAbove(TreeItem* item) const {
    return m_model->ItemAt(indexAbove(m_model->IndexOf(item)));
}

TreeItem* TreeView::ItemBelow(TreeItem* item) const {
    return m_model->ItemAt(indexBelow(m_model->IndexOf(item)));
}

void TreeView::mousePressEvent(QMouseEvent* event) {
    AfxNotePointerPosition(event->globalPosition().toPoint());
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    TreeItem* item = nullptr;
    const UINT where = HitTestAt(event->position().toPoint(), &item);
    if (where == TVHT_ONITEMBUTTON) {
        Expand(item, TVE_TOGGLE, true);
    } else if (where & TVHT_ONITEM) {
        Select(item, TVC_BYMOUSE);
    }
}

void TreeView::mouseReleaseEvent(QMouseEvent* event) {
    AfxNotePointerPosition(event->globalPosition().toPoint());
    if (event->button() == Qt::RightButton) {
        NMHDR header{};
        Notify(header, NM_RCLICK);
    }
}

void TreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    TreeItem* item = nullptr;
    if (HitTestAt(event->position().toPoint(), &item) & TVHT_ONITEM) {
        Expand(item, TVE_TOGGLE, true);
    }
}

void TreeView::mouseMoveEvent(QMouseEvent*) {}

void TreeView::keyPressEvent(QKeyEvent* event) {
    TreeItem* caret = m_model->Caret();
    TreeItem* root = m_model->Root();
    TreeItem* first = root->children.empty() ? nullptr : root->children[0].get();
    switch (event->key()) {
    case Qt::Key_Down:
        if (TreeItem* below = caret ? ItemBelow(caret) : first) {
            Select(below, TVC_BYKEYBOARD);
        }
        return;
    case Qt::Key_Up:
        if (TreeItem* above = caret ? ItemAbove(caret) : first) {
            Select(above, TVC_BYKEYBOARD);
        }
        return;
    case Qt::Key_Home:
        if (first) {
            Select(first, TVC_BYKEYBOARD);
        }
        return;
    case Qt::Key_Right:
        if (caret && (caret->state & TVIS_EXPANDED) && !caret->children.empty()) {
            Select(caret->children[0].get(), TVC_BYKEYBOARD);
        } else if (caret) {
            Expand(caret, TVE_EXPAND, true);
        }
        return;
    case Qt::Key_Left:
        if (caret && (caret->state & TVIS_EXPANDED)) {
            Expand(caret, TVE_COLLAPSE, true);
        } else if (caret && caret->parent != root) {
            Select(caret->parent, TVC_BYKEYBOARD);
        }
        return;
    case Qt::Key_Plus:
        if (caret) {
            Expand(caret, TVE_EXPAND, true);
        }
        return;
    case Qt::Key_Minus:
        if (caret) {
            Expand(caret, TVE_COLLAPSE, true);
        }
        return;
    default:
        // Enter, Escape and Tab belong to the dialog.
        event->ignore();
        return;
    }
}

void TreeView::contextMenuEvent(QContextMenuEvent* event) {
    // A right click is reported as NM_RCLICK; the dialog's window menu stays out of it.
    event->accept();
}

void TreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const {
    const TreeItem* item = m_model->ItemAt(index);
    if (!item) {
        return;
    }
    const QRect cell = visualRect(index);
    DrawBranches(painter,
                 QRect(option.rect.left(), option.rect.top(), cell.left() - option.rect.left(),
                       option.rect.height()),
                 item);
    const ItemParts parts = PartsOf(item, cell);
    const bool isCaret = item == m_model->Caret();
    if (!parts.icon.isNull()) {
        ImageListIcon(m_model->ImageList(), isCaret ? item->selectedImage : item->image)
            .paint(painter, parts.icon);
    }
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    if (isCaret) {
        painter->fillRect(parts.label, palette().color(group, QPalette::Highlight));
    }
    painter->setPen(palette().color(group, isCaret ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(parts.label.adjusted(kLabelPadding, 0, -kLabelPadding, 0),
                      Qt::AlignLeft | Qt::AlignVCenter, ToQString(item->text.c_str()));
    if (isCaret && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = parts.label;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, this);
    }
}

void TreeView::DrawBranches(QPainter* painter, const QRect& area, const TreeItem* item) const {
    const int indent = indentation();
    const int cells = area.width() / indent;
    if (cells <= 0) {
        return;
    }
    const int middleY = area.top() + area.height() / 2;
    auto cellCenter = [&](int cell) {
        return area.left() + cell * indent + indent / 2;
    };
    painter->save();
    if (m_style & TVS_HASLINES) {
        painter->setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
        // The item's own cell: a line up to its predecessor, on to its successor, and across.
        const int own = cells - 1;
        const bool firstOfAll = item->parent == m_model->Root() && item->row == 0;
        painter->drawLine(cellCenter(own), firstOfAll ? middleY : area.top(), cellCenter(own),
                          NextSibling(item) ? area.bottom() : middleY);
        painter->drawLine(cellCenter(own), middleY, area.left() + cells * indent - 2, middleY);
        // The ancestors' cells carry a line through wherever an ancestor has a later sibling.
        int cell = own - 1;
        for (const TreeItem* up = item->parent; up != m_model->Root() && cell >= 0;
             up = up->parent, --cell) {
            if (NextSibling(up)) {
                painter->drawLine(cellCenter(cell), area.top(), cellCenter(cell), area.bottom());
            }
        }
    }
    if ((m_style & TVS_HASBUTTONS) && HasButtonCell(item) && ShowsButton(item)) {
        QRect box(0, 0, kButtonSize, kButtonSize);
        box.moveCenter(QPoint(cellCenter(cells - 1), middleY));
        painter->setPen(palette().color(QPalette::Dark));
        painter->fillRect(box, palette().color(QPalette::Base));
        painter->drawRect(box.adjusted(0, 0, -1, -1));
        painter->setPen(palette().color(QPalette::Text));
        const QPoint center = box.center();
        painter->drawLine(center.x() - 2, center.y(), center.x() + 2, center.y());
        if (!(item->state & TVIS_EXPANDED)) {
            painter->drawLine(center.x(), center.y() - 2, center.x(), center.y() + 2);
        }
    }
    painter->restore();
}
