#pragma once

// The automation seam for tree-view controls: clicks, double clicks, right clicks and keys on
// the real widget, aimed at a part of an item's row.

#include "TreeCtrl.h"

#include <optional>

namespace Automation {
enum class TreeKey { Up, Down, Home, Left, Right, Plus, Minus };

// A point in the control's client coordinates on that part of the item's row (a TVHT_ONITEM...
// flag), or for TVHT_NOWHERE on empty space below the rows; nothing when no such point shows.
std::optional<POINT> TreeItemPoint(CWnd& dialog, int controlId, HTREEITEM item, UINT part);
void ClickTree(CWnd& dialog, int controlId, POINT client);
void DoubleClickTree(CWnd& dialog, int controlId, POINT client);
// Presses and releases the right button at the point.
void RightClickTree(CWnd& dialog, int controlId, POINT client);
void PressTreeKey(CWnd& dialog, int controlId, TreeKey key);
} // namespace Automation
