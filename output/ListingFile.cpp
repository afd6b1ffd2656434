#include "ListingFile.h"

#include <QDir>
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
    if (QFileInfo(path).isDir())
        failToCreate(path, QStringLiteral("Is a directory"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failToCreate(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw Failure("Stream write error");
    }
    if (!file.commit())
        throw Failure("Stream write error");
}

}  // namespace vexilor
