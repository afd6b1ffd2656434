#include "ErrorBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <exception>

namespace vexilor {

namespace {

ErrorBoxPresenter& presenter() {
    static ErrorBoxPresenter instance;
    return instance;
}

void showRealBox(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

void runGuarded(const std::function<void()>& handler) {
    try {
        if (handler)
            handler();
    } catch (const std::exception& failure) {
        showErrorBox(QString::fromUtf8(failure.what()));
    }
}

void showErrorBox(const QString& message) {
    const QString caption = applicationTitle(QCoreApplication::applicationFilePath());
    const QString text = errorBoxText(message);
    if (presenter())
        presenter()(caption, text);
    else
        showRealBox(caption, text);
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

void setErrorBoxPresenter(ErrorBoxPresenter newPresenter) {
    presenter() = std::move(newPresenter);
}

}  // namespace vexilor
