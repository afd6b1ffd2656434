#include "TestDisplays.h"

#include <QFile>

namespace {

QByteArray firstLineOf(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed() : QByteArray();
}

}  // namespace

QByteArray testXDisplay() {
    const QByteArray display = firstLineOf(TEST_DISPLAY_FILE);
    return display.isEmpty() ? qgetenv("DISPLAY") : display;
}

QByteArray testWaylandSocket() {
    return firstLineOf(TEST_WAYLAND_FILE);
}
