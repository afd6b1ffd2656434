#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace vexilor {

class EditorCommands;

// The "Маска" menu: showing the shown frame's mask on the grid, painting it with the
// drawing tools instead of the picture, making it by either rule, and deleting it. Its
// check marks and enabling follow the commands.
class MaskMenu : public QObject {
    Q_OBJECT
public:
    MaskMenu(QMenu& menu, EditorCommands& commands);

private:
    void showState();

    EditorCommands& commands_;
    QAction* show_ = nullptr;
    QAction* paint_ = nullptr;
    QAction* makeOutside_ = nullptr;
    QAction* makeOutline_ = nullptr;
    QAction* delete_ = nullptr;
};

}  // namespace vexilor
