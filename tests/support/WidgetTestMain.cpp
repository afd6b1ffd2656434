// The main() of the test programs that show windows: one QApplication on a real X
// server, so that what a test reads back from the screen is what the user would see.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <cstdio>

#include "TestHome.h"

namespace {

// The suite's own X server, whose display number the fixture that started it wrote to a
// file; without it (a test program started by hand) the caller's display.
QByteArray testDisplay() {
    QFile numberFile(QStringLiteral(TEST_DISPLAY_FILE));
    const QByteArray number =
        numberFile.open(QIODevice::ReadOnly) ? numberFile.readAll().trimmed() : QByteArray();
    return number.isEmpty() ? qgetenv("DISPLAY") : ":" + number;
}

// What the user's desktop chooses (theme, style, scale) must not change what the tests
// see; a test that is about a desktop sets it itself.
void forgetTheCallersDesktop() {
    for (const char* variable :
         {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "XDG_SESSION_TYPE",
          "WAYLAND_DISPLAY", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR",
          "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_FONT_DPI"})
        qunsetenv(variable);
}

// A test registered for a particular desktop (tests/CMakeLists.txt) runs as in a session
// of that desktop. Qt reads the desktop once, as the application starts, to choose the
// theme that orders dialog buttons among other things; hence one process per desktop.
void claimTheTestsDesktop() {
    const QByteArray desktop = qgetenv("VEXILOR_TEST_DESKTOP");
    if (!desktop.isEmpty())
        qputenv("XDG_CURRENT_DESKTOP", desktop);
}

}  // namespace

int main(int argc, char** argv) {
    isolateFromUserFiles();
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as test discovery does at build time) needs no screen.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    const QByteArray display = testDisplay();
    if (display.isEmpty()) {
        std::fprintf(stderr,
                     "%s: these tests show windows and need an X display; run them through "
                     "ctest, which starts one, or set DISPLAY\n",
                     argv[0]);
        return 1;
    }
    forgetTheCallersDesktop();
    claimTheTestsDesktop();
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
