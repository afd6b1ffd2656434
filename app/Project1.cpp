// The program start: the application, its first main window, and the services that
// the window takes from the other libraries.
#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <memory>

#include "CurrentPrinter.h"
#include "DesktopEntry.h"
#include "ForgetfulSettings.h"
#include "ListingPrint.h"
#include "ListingSaver.h"
#include "MainWindowServices.h"
#include "SplashScreens.h"
#include "Unit1.h"
#include "WindowSystemChoice.h"

namespace {

// The program's splash window (Form2); made in main, right after the first main window.
vexilor::SplashScreens* splashScreens = nullptr;

// The splash window, saving and printing come from their own libraries; each new main
// window gets them here. Each window has its own save and print dialogs; the printer is
// the whole program's.
vexilor::MainWindowServices servicesFor(vexilor::TForm1& window) {
    vexilor::MainWindowServices services;
    services.showSplashModally = [] { splashScreens->showModally(); };
    services.showAbout = [] { splashScreens->about(); };
    auto saver = std::make_shared<vexilor::ListingSaver>(&window);
    services.save = [saver, &window] { saver->save(window.listingLines()); };
    auto print =
        std::make_shared<vexilor::ListingPrint>(&window, vexilor::CurrentPrinter::processWide());
    services.print = [print, &window] { print->print(window.memo()); };
    return services;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool userStyle = vexilor::styleChosenByUser(argc, argv);
    vexilor::preferX11(argc, argv);
    QApplication application(argc, argv);
    vexilor::nameDesktopEntry(QStringLiteral(DESKTOP_ENTRY_NAME));
    // Nothing of this run, not even the save dialog's last folder, outlives it.
    const vexilor::ForgetfulSettings forgetful;
    // The window's fixed pixel layout was drawn for the classic look, where a group box's
    // title sits on its frame line.
    if (!userStyle)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // The main window alone decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);

    // A click on the splash picture brings the current main window forward.
    vexilor::SplashScreens splash([] { return vexilor::currentMainWindow(); });
    splashScreens = &splash;

    auto* Form1 = new vexilor::TForm1(servicesFor);
    splash.create();
    // The running loop shows the window, so that its splash run is inside the loop and a
    // request to end the program during that run ends it.
    QTimer::singleShot(0, Form1, [Form1] { Form1->show(); });
    QApplication::exec();
    // Exit without saving leaves the window open; it goes with the program.
    delete vexilor::currentMainWindow();
    return 0;
}
