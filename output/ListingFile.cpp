#include "ListingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

#include "Failure.h"

namespace vexilor {

namespace {

// The system's error text without the trailing blanks, line breaks and full stops that
// would clash with the error box's own closing full stop.
QString trimmedReason(QString reason) {
    while (!reason.isEmpty() && (reason.back().isSpace() || reason.back() == u'.')) {
        reason.chop(1);
    }
    return reason;
}

[[noreturn]] void failToCreate(const QString& path, const QString& reason) {
    const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    throw Failure(QStringLiteral("Cannot create file \"%1\". %2")
                      .arg(absolute, trimmedReason(reason))
                      .toStdString());
}

// Opens the target itself for writing, without changing it, so that every reason the
// system has to refuse the file (a directory, a read-only file, a name that is too long,
// a path through a regular file) surfaces before anything is written, in the system's
// own words. A file that did not exist is created empty; the result says so, because
// a failed save must then take it away again.
bool probeTarget(const QString& path) {
    QFile target(path);
    const bool existed = target.exists();
    const QIODevice::OpenMode mode = existed ? QIODevice::WriteOnly | QIODevice::Append
                                             : QIODevice::WriteOnly | QIODevice::NewOnly;
    if (!target.open(mode))
        failToCreate(path, target.errorString());
    return !existed;
}

}  // namespace

QByteArray listingFileBytes(const QStringList& lines) {
    QStringEncoder toWindows1251("windows-1251");
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toWindows1251.encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

void writeFileSafely(const QString& path, const QByteArray& bytes) {
    const bool createdByProbe = probeTarget(path);
    const auto undoProbe = [&] {
        if (createdByProbe)
            QFile::remove(path);
    };

    QSaveFile file(path);
    // Unbuffered, because a failure to flush Qt's own buffer is not reported by commit():
    // the bytes go to the temporary file in write(), where a full disk shows itself.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        undoProbe();
        failToCreate(path, file.errorString());
    }
    // Until commit() the old file is untouched; a cancelled QSaveFile drops its copy.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        undoProbe();
        throw Failure("Stream write error");
    }
    if (!file.commit()) {
        undoProbe();
        throw Failure("Stream write error");
    }
}

}  // namespace vexilor
