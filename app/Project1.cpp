// The program start: the application, its first main window, and the services that
// the window takes from the other libraries.
#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "CommandLine.h"

#include "AnimationPreview.h"
#include "CurrentPrinter.h"
#include "DesktopEntry.h"
#include "DialogPlacement.h"
#include "ErrorBox.h"
#include "ExportDialog.h"
#include "ForgetfulSettings.h"
#include "FramePlacement.h"
#include "FramePicture.h"
#include "ListingPrint.h"
#include "ListingSaver.h"
#include "MainWindowServices.h"
#include "ScreenPlacement.h"
#include "QtTranslations.h"
#include "SplashScreens.h"
#include "Unit1.h"
#include "WindowSystemChoice.h"

namespace {

// The program's splash window (Form2); made in main, right after the first main window.
vexilor::SplashScreens* splashScreens = nullptr;

// One preview a window: asked for again, the open one comes to the front. It follows the
// window's sprite and colours as they change, and closes with the window.
void showAnimationPreview(vexilor::TForm1& window) {
    auto* preview = window.findChild<vexilor::AnimationPreview*>();
    if (preview == nullptr) {
        const vexilor::EditorCommands& commands = window.commands();
        vexilor::AnimationSource source{[&commands] { return commands.document().frameCount(); },
                                        [&commands](int frame) {
                                            return vexilor::framePicture(commands.document(), frame,
                                                                         commands.brush(),
                                                                         commands.background());
                                        }};
        preview = new vexilor::AnimationPreview(std::move(source), &window);
        QObject::connect(&commands, &vexilor::EditorCommands::documentChanged, preview,
                         &vexilor::AnimationPreview::refresh);
        QObject::connect(&commands, &vexilor::EditorCommands::controlsChanged, preview,
                         &vexilor::AnimationPreview::refresh);
        preview->adjustSize();
        vexilor::placeByOuterSize(*preview, vexilor::centredOnVirtualScreen);
    }
    preview->show();
    preview->raise();
    preview->activateWindow();
}

// One export dialog a window, as the preview: it shows the window's sprite as it changes,
// the name of the file last opened there, and closes with the window.
void showExport(vexilor::TForm1& window) {
    auto* dialog = window.findChild<vexilor::ExportDialog*>();
    if (dialog == nullptr) {
        const vexilor::EditorCommands& commands = window.commands();
        vexilor::ExportSource source{
            [&commands]() -> const vexilor::SpriteDocument& { return commands.document(); },
            [&window] { return window.openedFileName(); }, &vexilor::runGuarded};
        dialog = new vexilor::ExportDialog(std::move(source), &window);
        QObject::connect(&commands, &vexilor::EditorCommands::documentChanged, dialog,
                         &vexilor::ExportDialog::refresh);
        vexilor::placeDialog(*dialog, &window);
    }
    dialog->refresh();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// The splash window, saving and printing come from their own libraries; each new main
// window gets them here. Each window has its own save and print dialogs; the printer is
// the whole program's.
vexilor::MainWindowServices servicesFor(vexilor::TForm1& window) {
    vexilor::MainWindowServices services;
    services.showSplashModally = [] { splashScreens->showModally(); };
    services.showAbout = [] { splashScreens->about(); };
    auto saver = std::make_shared<vexilor::ListingSaver>(&window);
    services.save = [saver, &window] { return saver->save(window.listingLines()); };
    auto print =
        std::make_shared<vexilor::ListingPrint>(&window, vexilor::CurrentPrinter::processWide());
    services.print = [print, &window] { print->print(window.memo()); };
    services.showAnimationPreview = [&window] { showAnimationPreview(window); };
    services.showExport = [&window] { showExport(window); };
    return services;
}

// --help and --version answer before the application object is made, which needs a
// window system; Qt's own options are not known yet and do not count here.
bool answeredWithoutWindows(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const vexilor::EditorCommandLine request = vexilor::parseEditorCommandLine(arguments);
    if (request.help)
        std::fputs(qPrintable(vexilor::editorUsage()), stdout);
    else if (request.version)
        std::printf("vexilor %s\n", VEXILOR_VERSION);
    return request.help || request.version;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (answeredWithoutWindows(argc, argv))
        return 0;
    const bool userStyle = vexilor::styleChosenByUser(argc, argv);
    vexilor::preferX11(argc, argv);
    QApplication application(argc, argv);
    // Qt has taken its own options out by now.
    const vexilor::EditorCommandLine request =
        vexilor::parseEditorCommandLine(QApplication::arguments());
    if (!request.problem.isEmpty()) {
        std::fprintf(stderr, "vexilor: %s\nTry 'vexilor --help'.\n", qPrintable(request.problem));
        return 2;
    }
    vexilor::nameDesktopEntry(QStringLiteral(DESKTOP_ENTRY_NAME));
    vexilor::translateQtIntoRussian();
    // Nothing of this run, not even the save dialog's last folder, outlives it.
    const vexilor::ForgetfulSettings forgetful;
    // The window's fixed pixel layout was drawn for the classic look, where a group box's
    // title sits on its frame line.
    if (!userStyle)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // The pen joins every position that the pointer reports; merging the moves queued up
    // during a fast stroke would cut its corners.
    QApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    // The main window alone decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);

    // A click on the splash picture brings the current main window forward.
    vexilor::SplashScreens splash([] { return vexilor::currentMainWindow(); });
    splashScreens = &splash;

    auto* Form1 = new vexilor::TForm1(servicesFor);
    splash.create();
    // The running loop shows the window, so that its splash run is inside the loop and a
    // request to end the program during that run ends it.
    // A file named on the command line opens once the window is there, after the splash.
    QTimer::singleShot(0, Form1, [Form1, file = request.file] {
        Form1->show();
        if (!file.isEmpty() && vexilor::currentMainWindow() != nullptr)
            vexilor::currentMainWindow()->openFile(file);
    });
    QApplication::exec();
    // Exit without saving leaves the window open; it goes with the program.
    delete vexilor::currentMainWindow();
    return 0;
}
