#include "WindowSystemChoice.h"

#include <QByteArray>
#include <QtGlobal>
#include <string_view>

namespace vexilor {
namespace {

// Whether Qt's own option `name` ("-name VALUE", "--name VALUE", "-name=VALUE") is on the
// command line, or its environment variable is set. Qt takes these options out of the
// arguments it hands on, so this looks before it does.
bool qtOptionChosen(int argc, char** argv, std::string_view name, const char* variable) {
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (!argument.starts_with('-'))
            continue;
        argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
        if (argument == name || (argument.starts_with(name) && argument[name.size()] == '='))
            return true;
    }
    return !qEnvironmentVariableIsEmpty(variable);
}

}  // namespace

void preferX11(int argc, char** argv) {
    // Without a display name Qt's X11 plugin could only fail, and would say so.
    if (qtOptionChosen(argc, argv, "platform", "QT_QPA_PLATFORM") ||
        qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    // A list: Qt tries each in turn, so a dead X server still leaves Wayland.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
}

bool styleChosenByUser(int argc, char** argv) {
    return qtOptionChosen(argc, argv, "style", "QT_STYLE_OVERRIDE");
}

}  // namespace vexilor
