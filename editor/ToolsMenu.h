#pragma once

#include <QObject>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace vexilor {

class DrawingTools;
class EditorCommands;

// The drawing tools menu: one checked tool at a time, "Точка" at first. Each item's key
// chooses it while the grid has the focus (elsewhere the letters are typed into the
// boxes); the items are usable once the grid is, as the editing commands.
class ToolsMenu : public QObject {
    Q_OBJECT
public:
    ToolsMenu(QMenu& menu, EditorCommands& commands, DrawingTools& tools, QWidget& grid);

private:
    void showEnabled();

    EditorCommands& commands_;
    std::vector<QAction*> items_;
};

}  // namespace vexilor
