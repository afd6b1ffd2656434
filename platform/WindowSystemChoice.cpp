#include "WindowSystemChoice.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstring>

namespace vexilor {
namespace {

// Qt takes "-platform NAME" (or "--platform NAME") out of the arguments it hands on,
// so look before it does.
bool platformChosenByUser(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

void preferX11(int argc, char** argv) {
    // Without a display name Qt's X11 plugin could only fail, and would say so.
    if (platformChosenByUser(argc, argv) || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    // A list: Qt tries each in turn, so a dead X server still leaves Wayland.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
}

}  // namespace vexilor
