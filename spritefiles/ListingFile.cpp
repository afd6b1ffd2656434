#include "ListingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>
#include <cerrno>
#include <clocale>
#include <cstring>

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

// Called right after the failing call, while errno still holds its reason: the system's
// own words, in English whatever language Qt's translation gives its error texts.
[[noreturn]] void failToCreate(const QString& path, const QString& reason) {
    const int error = errno;
    static const locale_t english = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const QString system = error != 0 && english != locale_t(0)
                               ? QString::fromLocal8Bit(strerror_l(error, english))
                               : reason;
    const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    throw Failure(QStringLiteral("Cannot create file \"%1\". %2")
                      .arg(absolute, trimmedReason(system))
                      .toStdString());
}

// A file that did not exist has nothing to lose: it is written in place, which also
// works for names too long to take a temporary companion, and removed again when the
// write fails.
void writeNewFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        failToCreate(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.remove();
        throw Failure("Stream write error");
    }
}

// An existing file is replaced only once its successor is complete: the bytes go to an
// unnamed temporary file in the same folder that takes the old file's place at commit().
// A folder that takes no new files leaves only writing the file in place, which a
// writable file allows all the same.
void replaceFile(const QString& path, const QByteArray& bytes) {
    // Opening the old file for appending changes nothing, and lets the system refuse a
    // directory or a read-only file in its own words before anything is written.
    QFile old(path);
    if (!old.open(QIODevice::WriteOnly | QIODevice::Append))
        failToCreate(path, old.errorString());
    old.close();

    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // Unbuffered, because commit() does not report a failure to flush Qt's own buffer:
    // the bytes reach the temporary file in write(), where a full disk shows itself.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        failToCreate(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw Failure("Stream write error");
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::RenameError)
            failToCreate(path, file.errorString());
        throw Failure("Stream write error");
    }
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
    if (QFileInfo::exists(path))
        replaceFile(path, bytes);
    else
        writeNewFile(path, bytes);
}

}  // namespace vexilor
