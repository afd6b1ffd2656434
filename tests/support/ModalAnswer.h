#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>

#include "TestFiles.h"

// Answers modal dialogs from the test while they run their own event loop, so that no
// dialog ever blocks a test: each one that comes up while this object lives is handed
// to `answer` once it is ready for the user, as a person would wait to see it before
// typing: on the screen, the active window, with its keyboard focus in place.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget& dialog)> answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer = std::move(answer)] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog != nullptr && readyForInput(*dialog)) {
                ++dialogsSeen_;
                answer(*dialog);
            }
        });
        timer_.start(5);
    }
    int dialogsSeen() const { return dialogsSeen_; }

private:
    static bool readyForInput(QWidget& dialog) {
        const QWidget* focus = QApplication::focusWidget();
        return dialog.isVisible() && dialog.windowHandle() != nullptr &&
               dialog.windowHandle()->isExposed() && QApplication::activeWindow() == &dialog &&
               focus != nullptr && dialog.isAncestorOf(focus);
    }

    QTimer timer_;
    int dialogsSeen_ = 0;
};
