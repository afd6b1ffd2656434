#pragma once

#include <QString>
#include <QStringList>

namespace vexilor {

// What the editor's command line asks for: `vexilor [--help] [--version] [FILE]`.
struct EditorCommandLine {
    bool help = false;
    bool version = false;
    QString file;     // a listing or picture to open, when given
    QString problem;  // why the command line cannot be used, when it cannot
};

EditorCommandLine parseEditorCommandLine(const QStringList& arguments);

// The text that --help prints.
QString editorUsage();

}  // namespace vexilor
