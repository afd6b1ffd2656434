#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Answers the next modal dialog from inside its own event loop, so a test can run the
// real exec() without blocking: `answer` gets the dialog once it is on screen.
inline void answerNextDialog(std::function<void(QWidget& dialog)> answer, int triesLeft = 200) {
    QTimer::singleShot(10, [answer = std::move(answer), triesLeft]() mutable {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog != nullptr && dialog->isVisible())
            answer(*dialog);
        else if (triesLeft > 0)
            answerNextDialog(std::move(answer), triesLeft - 1);
    });
}
