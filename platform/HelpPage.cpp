#include "HelpPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace vexilor {

QString programFolder() {
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
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

bool openInBrowser(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace vexilor
