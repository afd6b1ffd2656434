#pragma once

#include <QApplication>
#include <QFile>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <ostream>

// Lets GoogleTest print texts readably when an expectation fails.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

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
