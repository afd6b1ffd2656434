#include "ErrorBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <exception>

#include "CentredMessageBox.h"

namespace vexilor {

void runGuarded(const std::function<void()>& handler) {
    try {
        if (handler)
            handler();
    } catch (const std::exception& failure) {
        showErrorBox(QString::fromUtf8(failure.what()));
    }
}

void showErrorBox(const QString& message) {
    CentredMessageBox box(QMessageBox::Critical,
                          applicationTitle(QCoreApplication::applicationFilePath()),
                          errorBoxText(message), QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    // The button reads "OK" whatever language Qt's own texts speak.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + '.';
    return message;
}

QString applicationTitle(const QString& executablePath) {
    QString name = QFileInfo(executablePath).fileName();
    name.truncate(name.indexOf('.') < 0 ? name.size() : name.indexOf('.'));
    if (name.isEmpty())
        return name;
    return name.front() + name.mid(1).toLower();
}

}  // namespace vexilor
