#pragma once

#include <QObject>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace vexilor {

class EditorCommands;

// The editing commands that follow the window's own items of its editing menu, below a
// separator: undo and redo, which walk the commands' history; copy and paste through the
// clipboard, whose keys act while the grid has the focus (elsewhere they are the text
// boxes' own); and the edits of the sprite's pixels. Their enabling follows the commands.
// Undo and redo keys act wherever the keyboard is in the window, but in a text box that
// has typing of its own to take back or do again.
class EditingMenu : public QObject {
    Q_OBJECT
public:
    EditingMenu(QMenu& menu, EditorCommands& commands, QWidget& grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addItem(const char* name, const QString& text);
    void showEnabled();

    QMenu& menu_;
    EditorCommands& commands_;
    std::vector<QAction*> editingItems_;  // usable with the grid
    QAction* rotate_ = nullptr;           // one of them, besides only for a square sprite
};

}  // namespace vexilor
