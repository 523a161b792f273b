#pragma once

// Platform-internal: controls note where mouse events happen, for platforms whose cursor
// cannot be asked.

#include <QPoint>

void AfxNotePointerPosition(QPoint global);
