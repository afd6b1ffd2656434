#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "TestFiles.h"

// Answers modal dialogs from the test while they run their own event loop, so that no
// dialog ever blocks a test: each one that comes up while this object lives is handed
// to `answer`.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget& dialog)> answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer = std::move(answer)] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog != nullptr && dialog->isVisible()) {
                ++dialogsSeen_;
                answer(*dialog);
            }
        });
        timer_.start(5);
    }
    int dialogsSeen() const { return dialogsSeen_; }

private:
    QTimer timer_;
    int dialogsSeen_ = 0;
};
