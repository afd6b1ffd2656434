// The main() of the test programs that show windows: one QApplication on a real X
// server, so that what a test reads back from the screen is what the user would see;
// or, with VEXILOR_TEST_PLATFORM=wayland, on a real Wayland compositor.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "QtTranslations.h"
#include "TestDisplays.h"
#include "TestHome.h"

namespace {

// What the user's desktop chooses (theme, style, scale) must not change what the tests
// see; a test that is about a desktop sets it itself.
void forgetTheCallersDesktop() {
    for (const char* variable :
         {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "XDG_SESSION_TYPE",
          "WAYLAND_DISPLAY", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR",
          "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_FONT_DPI"})
        qunsetenv(variable);
}

// Points Qt at the suite's X server, or, for the registration of the tests that run on
// Wayland, at its Wayland compositor. Answers what is missing, or null.
const char* chooseWindowSystem() {
    if (qgetenv("VEXILOR_TEST_PLATFORM") == "wayland") {
        const QByteArray socket = testWaylandSocket();
        if (socket.isEmpty())
            return "these tests need the suite's Wayland compositor, which is not running; run "
                   "them through ctest, which starts it";
        qputenv("WAYLAND_DISPLAY", socket);
        qunsetenv("DISPLAY");
        qputenv("QT_QPA_PLATFORM", "wayland");
        // Weston draws no window frames, so Qt would draw them, first loading the GL
        // driver to see how; the driver is unloaded at the end, and the leak check then
        // reports what it keeps as lost. The splash window has no frame anyway.
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
        return nullptr;
    }
    const QByteArray display = testXDisplay();
    if (display.isEmpty())
        return "these tests show windows and need an X display; run them through ctest, which "
               "starts one, or set DISPLAY";
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    return nullptr;
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

    forgetTheCallersDesktop();
    claimTheTestsDesktop();
    if (const char* missing = chooseWindowSystem()) {
        std::fprintf(stderr, "%s: %s\n", argv[0], missing);
        return 1;
    }
    QApplication application(argc, argv);
    // Qt's own texts in Russian, as the program has them: the texts the program fixes are
    // checked against what the translation would make of them.
    if (!vexilor::translateQtIntoRussian()) {
        std::fprintf(stderr, "%s: Qt's Russian translation is not installed (tools/setup)\n",
                     argv[0]);
        return 1;
    }
    return RUN_ALL_TESTS();
}
