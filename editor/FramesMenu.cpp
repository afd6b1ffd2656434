#include "FramesMenu.h"

#include <QAction>
#include <QMenu>

#include "EditorCommands.h"
#include "ErrorBox.h"

namespace vexilor {

namespace {

QAction* addItem(QMenu& menu, const char* name, const char* text) {
    QAction* action = menu.addAction(QString::fromUtf8(text));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

FramesMenu::FramesMenu(QMenu& menu, EditorCommands& commands, std::function<void()> showPreview)
    : QObject(&menu), commands_(commands) {
    add_ = addItem(menu, "AddFrame", "Добавить кадр");
    remove_ = addItem(menu, "DeleteFrame", "Удалить кадр");
    previous_ = addItem(menu, "PreviousFrame", "Предыдущий кадр");
    previous_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    next_ = addItem(menu, "NextFrame", "Следующий кадр");
    next_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    moveBack_ = addItem(menu, "MoveFrameBack", "Переместить кадр назад");
    moveForward_ = addItem(menu, "MoveFrameForward", "Переместить кадр вперёд");
    menu.addSeparator();
    preview_ = addItem(menu, "AnimationPreview", "Просмотр анимации");

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
