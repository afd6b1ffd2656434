#include "FramesMenu.h"

#include <QAction>
#include <QMenu>

#include "EditorCommands.h"
#include "ErrorBox.h"
#include "MenuItem.h"

namespace vexilor {

FramesMenu::FramesMenu(QMenu& menu, EditorCommands& commands, std::function<void()> showPreview)
    : QObject(&menu), commands_(commands) {
    add_ = addMenuItem(menu, "AddFrame", "Добавить кадр");
    remove_ = addMenuItem(menu, "DeleteFrame", "Удалить кадр");
    previous_ = addMenuItem(menu, "PreviousFrame", "Предыдущий кадр");
    previous_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    next_ = addMenuItem(menu, "NextFrame", "Следующий кадр");
    next_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    moveBack_ = addMenuItem(menu, "MoveFrameBack", "Переместить кадр назад");
    moveForward_ = addMenuItem(menu, "MoveFrameForward", "Переместить кадр вперёд");
    menu.addSeparator();
    preview_ = addMenuItem(menu, "AnimationPreview", "Просмотр анимации");

    const std::pair<QAction*, void (EditorCommands::*)()> commandOf[] = {
        {add_, &EditorCommands::addFrame},
        {remove_, &EditorCommands::deleteFrame},
        {previous_, &EditorCommands::showPreviousFrame},
        {next_, &EditorCommands::showNextFrame},
        {moveBack_, &EditorCommands::moveFrameBack},
        {moveForward_, &EditorCommands::moveFrameForward},
    };
    for (const auto& [action, command] : commandOf) {
        EditorCommands* target = &commands_;
        const auto run = command;
        connect(action, &QAction::triggered, this,
                [target, run] { runGuarded([target, run] { (target->*run)(); }); });
    }
    connect(preview_, &QAction::triggered, this, std::move(showPreview));
    connect(&commands, &EditorCommands::controlsChanged, this, &FramesMenu::showEnabled);
    showEnabled();
}

void FramesMenu::showEnabled() {
    const MainWindowControls& controls = commands_.controls();
    add_->setEnabled(controls.editing.enabled);
    preview_->setEnabled(controls.editing.enabled);
    remove_->setEnabled(controls.otherFrames.enabled);
    previous_->setEnabled(controls.otherFrames.enabled);
    next_->setEnabled(controls.otherFrames.enabled);
    moveBack_->setEnabled(controls.moveFrameBack.enabled);
    moveForward_->setEnabled(controls.moveFrameForward.enabled);
}

}  // namespace vexilor
