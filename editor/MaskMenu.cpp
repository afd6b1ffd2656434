#include "MaskMenu.h"

#include <QAction>
#include <QMenu>

#include "EditorCommands.h"
#include "ErrorBox.h"
#include "MenuItem.h"

namespace vexilor {

MaskMenu::MaskMenu(QMenu& menu, EditorCommands& commands) : QObject(&menu), commands_(commands) {
    show_ = addMenuItem(menu, "ShowMask", "Показать маску", true);
    paint_ = addMenuItem(menu, "PaintMask", "Рисовать маску", true);
    menu.addSeparator();
    makeOutside_ = addMenuItem(menu, "MakeMask", "Создать маску");
    makeOutline_ = addMenuItem(menu, "MakeOutlineMask", "Создать маску с обводкой");
    delete_ = addMenuItem(menu, "DeleteMask", "Удалить маску");

    using Rule = EditorCommands::MaskRule;
    connect(show_, &QAction::triggered, this, [this](bool on) { commands_.showMask(on); });
    connect(paint_, &QAction::triggered, this, [this](bool on) { commands_.paintMask(on); });
    connect(makeOutside_, &QAction::triggered, this,
            [this] { runGuarded([this] { commands_.makeMask(Rule::Outside); }); });
    connect(makeOutline_, &QAction::triggered, this,
            [this] { runGuarded([this] { commands_.makeMask(Rule::Outline); }); });
    connect(delete_, &QAction::triggered, this, [this] { commands_.deleteMask(); });
    connect(&commands, &EditorCommands::controlsChanged, this, &MaskMenu::showState);
    showState();
}

void MaskMenu::showState() {
    const bool editing = commands_.controls().editing.enabled;
    for (QAction* item : {show_, paint_, makeOutside_, makeOutline_})
        item->setEnabled(editing);
    delete_->setEnabled(commands_.controls().deleteMask.enabled);
    show_->setChecked(commands_.maskShown());
    paint_->setChecked(commands_.maskPainted());
}

}  // namespace vexilor
