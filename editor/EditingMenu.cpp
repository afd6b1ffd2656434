#include "EditingMenu.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "EditorCommands.h"
#include "ErrorBox.h"
#include "SpriteClipboard.h"

namespace vexilor {

EditingMenu::EditingMenu(QMenu& menu, EditorCommands& commands, QWidget& grid)
    : QObject(&menu), menu_(menu), commands_(commands) {
    menu.addSeparator();
    QAction* undo = commands.history().createUndoAction(&menu, QStringLiteral("Отменить"));
    undo->setObjectName(QStringLiteral("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    menu.addAction(undo);
    QAction* redo = commands.history().createRedoAction(&menu, QStringLiteral("Повторить"));
    redo->setObjectName(QStringLiteral("Redo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menu.addAction(redo);

    QAction* copy = addItem("Copy", QStringLiteral("Копировать"));
    connect(copy, &QAction::triggered, this, [this] {
        if (QMimeData* data = spriteMimeData(commands_.store()))
            QGuiApplication::clipboard()->setMimeData(data);
    });
    QAction* paste = addItem("Paste", QStringLiteral("Вставить"));
    connect(paste, &QAction::triggered, this, [this] {
        runGuarded(
            [this] { commands_.paste(pastedPixels(QGuiApplication::clipboard()->mimeData())); });
    });
    // Elsewhere Ctrl+C and Ctrl+V copy and paste text: the listing's, the boxes'.
    for (auto [action, keys] :
         {std::pair{copy, QKeySequence::Copy}, {paste, QKeySequence::Paste}}) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        grid.addAction(action);
    }

    using Edit = EditorCommands::PixelEdit;
    const struct {
        const char* name;
        const char* text;
        Edit edit;
    } edits[] = {
        {"MirrorLeftRight", "Отразить слева направо", Edit::MirrorLeftRight},
        {"MirrorTopBottom", "Отразить сверху вниз", Edit::MirrorTopBottom},
        {"RotateClockwise", "Повернуть по часовой стрелке", Edit::RotateClockwise},
        {"ShiftLeft", "Сдвинуть влево", Edit::ShiftLeft},
        {"ShiftRight", "Сдвинуть вправо", Edit::ShiftRight},
        {"ShiftUp", "Сдвинуть вверх", Edit::ShiftUp},
        {"ShiftDown", "Сдвинуть вниз", Edit::ShiftDown},
        {"Invert", "Инвертировать", Edit::Invert},
    };
    for (const auto& [name, text, edit] : edits) {
        QAction* item = addItem(name, QString::fromUtf8(text));
        connect(item, &QAction::triggered, this, [this, edit = edit] { commands_.edit(edit); });
        if (edit == Edit::RotateClockwise)
            rotate_ = item;
    }
    connect(&commands, &EditorCommands::controlsChanged, this, &EditingMenu::showEnabled);
    showEnabled();
    // The box itself has the focus and hands its keys to its text.
    for (QComboBox* box : grid.window()->findChildren<QComboBox*>())
        box->installEventFilter(this);
}

// An editable box claims the undo and redo keys even with nothing of its own to take back
// or do again; then they are left to the sprite's history.
bool EditingMenu::eventFilter(QObject* watched, QEvent* event) {
    // Checked first: while a box is destroyed it is no longer a combo box.
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* combo = qobject_cast<QComboBox*>(watched);
    const QLineEdit* box = combo != nullptr ? combo->lineEdit() : nullptr;
    if (box == nullptr)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return (key->matches(QKeySequence::Undo) && !box->isUndoAvailable()) ||
           (key->matches(QKeySequence::Redo) && !box->isRedoAvailable());
}

QAction* EditingMenu::addItem(const char* name, const QString& text) {
    QAction* action = menu_.addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    editingItems_.push_back(action);
    return action;
}

void EditingMenu::showEnabled() {
    for (QAction* item : editingItems_)
        item->setEnabled(item == rotate_ ? commands_.controls().rotate.enabled
                                         : commands_.controls().editing.enabled);
}

}  // namespace vexilor
