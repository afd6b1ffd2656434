#include "Desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace vexilor {

QString programFolder() {
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

QSize virtualScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry().size() : QSize();
}

QPoint centredTopLeft(QSize virtualScreen, QSize outerSize) {
    // Integer division in C++ truncates toward zero, as the placement rule wants.
    const int left = (virtualScreen.width() - outerSize.width()) / 2;
    const int top = (virtualScreen.height() - outerSize.height()) / 2;
    return QPoint(std::max(left, 0), std::max(top, 0));
}

QString findHelpPage(const QString& programFolder) {
    const QDir folder(programFolder);
    for (const QString& candidate :
         {QStringLiteral("help/index.html"), QStringLiteral("../share/vexilor/help/index.html")}) {
        const QFileInfo page(folder.filePath(candidate));
        if (page.isFile())
            return page.canonicalFilePath();
    }
    return {};
}

void openInBrowser(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

}  // namespace vexilor
