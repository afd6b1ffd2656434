#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace vexilor {

class EditorCommands;

// The "Кадры" menu: adding, deleting, going through and moving the sprite's frames, and
// the animation preview. Ctrl+Page Up and Ctrl+Page Down go to the previous and next frame
// anywhere in the window; plain Page Up and Page Down stay the grid's. Enabling follows
// the commands.
class FramesMenu : public QObject {
    Q_OBJECT
public:
    FramesMenu(QMenu& menu, EditorCommands& commands, std::function<void()> showPreview);

private:
    void showEnabled();

    EditorCommands& commands_;
    QAction* add_ = nullptr;
    QAction* remove_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* moveBack_ = nullptr;
    QAction* moveForward_ = nullptr;
    QAction* preview_ = nullptr;
};

}  // namespace vexilor
