#include "ToolsMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "DrawingTools.h"
#include "EditorCommands.h"

namespace vexilor {

ToolsMenu::ToolsMenu(QMenu& menu, EditorCommands& commands, DrawingTools& tools, QWidget& grid)
    : QObject(&menu), commands_(commands) {
    const struct {
        const char* name;
        const char* text;
        Qt::Key key;
        DrawingTool tool;
    } choices[] = {
        {"DotTool", "Точка", Qt::Key_D, DrawingTool::Dot},
        {"PenTool", "Перо", Qt::Key_P, DrawingTool::Pen},
        {"LineTool", "Линия", Qt::Key_L, DrawingTool::Line},
        {"RectangleTool", "Прямоугольник", Qt::Key_R, DrawingTool::Rectangle},
        {"FilledRectangleTool", "Закрашенный прямоугольник", Qt::Key_F,
         DrawingTool::FilledRectangle},
        {"FillTool", "Заливка", Qt::Key_B, DrawingTool::Fill},
    };
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (const auto& [name, text, key, tool] : choices) {
        QAction* item = menu.addAction(QString::fromUtf8(text));
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        item->setChecked(tool == tools.tool());
        item->setShortcut(QKeySequence(key));
        item->setShortcutContext(Qt::WidgetShortcut);
        grid.addAction(item);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [&tools, tool = tool] { tools.choose(tool); });
        items_.push_back(item);
    }
    connect(&commands, &EditorCommands::controlsChanged, this, &ToolsMenu::showEnabled);
    showEnabled();
}

void ToolsMenu::showEnabled() {
    for (QAction* item : items_)
        item->setEnabled(commands_.controls().editing.enabled);
}

}  // namespace vexilor
