#include "TestDisplays.h"

#include <QFile>

namespace {

QByteArray firstLineOf(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed() : QByteArray();
}

}  // namespace

QByteArray testXDisplay() {
    const bool managed = qgetenv("VEXILOR_TEST_PLATFORM") == "wm";
    const QByteArray display = firstLineOf(managed ? TEST_WM_DISPLAY_FILE : TEST_DISPLAY_FILE);
    return display.isEmpty() ? qgetenv("DISPLAY") : display;
}

QByteArray testWaylandSocket() {
    return firstLineOf(TEST_WAYLAND_FILE);
}
