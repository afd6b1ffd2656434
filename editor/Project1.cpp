// The program start: the application, its first main window, and the services that
// the window takes from the other libraries.
#include <QApplication>
#include <QStyleFactory>

#include "MainWindowServices.h"
#include "Unit1.h"

namespace {

vexilor::MainWindowServices servicesFor(vexilor::TForm1& /*window*/) {
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The window's fixed pixel layout was drawn for the classic look, where a group box's
    // title sits on its frame line; "-style" on the command line still wins.
    if (!application.arguments().contains(QStringLiteral("-style")))
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // The main window alone decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);

    auto* Form1 = new vexilor::TForm1(servicesFor);
    Form1->show();
    QApplication::exec();
    // Exit without saving leaves the window open; it goes with the program.
    delete vexilor::currentMainWindow();
    return 0;
}
