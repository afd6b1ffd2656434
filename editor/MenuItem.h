#pragma once

#include <QAction>
#include <QMenu>

namespace vexilor {

// An item added at the end of `menu`, found by its object name `name`; its visible text
// is also what screen readers name it by.
inline QAction* addMenuItem(QMenu& menu, const char* name, const char* text,
                            bool checkable = false) {
    QAction* action = menu.addAction(QString::fromUtf8(text));
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

}  // namespace vexilor
