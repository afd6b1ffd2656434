#include "CommandLine.h"

#include <QCommandLineParser>

namespace vexilor {

EditorCommandLine parseEditorCommandLine(const QStringList& arguments) {
    const QCommandLineOption help("help"), version("version");
    QCommandLineParser parser;
    parser.addOptions({help, version});
    EditorCommandLine request;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        request.problem = unknown.isEmpty() ? parser.errorText()
                                            : QStringLiteral("unknown option '%1'").arg(
                                                  (unknown.first().size() == 1 ? "-" : "--") +
                                                  unknown.first());
    }
    request.help = parser.isSet(help);
    request.version = parser.isSet(version);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 && request.problem.isEmpty())
        request.problem = QStringLiteral("only one sprite file can be opened at a time");
    if (!files.isEmpty())
        request.file = files.first();
    return request;
}

QString editorUsage() {
    return QStringLiteral(
        "Usage: vexilor [FILE]\n"
        "\n"
        "Opens the sprite editor's window. FILE, a listing saved by the editor or a picture\n"
        "of at most 64 x 64 pixels, is opened into the grid once the title picture has been\n"
        "clicked away. Files dropped on the window open the same way.\n"
        "\n"
        "  --help      show this help and exit\n"
        "  --version   show the version and exit\n"
        "\n"
        "Qt's own options, such as -platform and -style, are taken as well.\n");
}

}  // namespace vexilor
