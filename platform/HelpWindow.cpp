#include "HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>

#include "FramePlacement.h"
#include "ScreenPlacement.h"

namespace vexilor {

void showHelpWindow(QWidget& owner, const QString& page) {
    const QString name = QStringLiteral("HelpWindow");
    auto* browser = owner.findChild<QTextBrowser*>(name, Qt::FindDirectChildrenOnly);
    if (browser == nullptr) {
        browser = new QTextBrowser(&owner);
        browser->setObjectName(name);
        browser->setWindowFlags(Qt::Window);
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->setWindowTitle(QStringLiteral("Помощь"));
        browser->setAccessibleName(QStringLiteral("Помощь"));
        // Links out of the page go to the desktop, which may open them or not.
        browser->setOpenExternalLinks(true);
        browser->setSource(QUrl::fromLocalFile(page));
        browser->resize(640, 480);
        browser->show();
        placeByOuterSize(*browser, centredOnVirtualScreen);
    }
    bringToFront(*browser);
}

}  // namespace vexilor
