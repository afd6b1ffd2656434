#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Answers message boxes from the test while they run their modal loop, so that no box
// ever blocks a test. Each box that comes up is handed to `answer`; the watch ends with
// the object (and gives up on its own after a while, so a box that never comes cannot
// leave it running into later tests).
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QMessageBox&)> answer) : answer_(std::move(answer)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    int boxesSeen() const { return boxesSeen_; }

private:
    void poll() {
        if (++ticks_ > 2000) {
            timer_.stop();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ++boxesSeen_;
        answer_(*box);
    }

    std::function<void(QMessageBox&)> answer_;
    QTimer timer_;
    int ticks_ = 0;
    int boxesSeen_ = 0;
};
