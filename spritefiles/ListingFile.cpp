#include "ListingFile.h"

#include <QStringEncoder>

#include "OutputTarget.h"

namespace vexilor {

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
    OutputTarget target(path);
    target.prepare(bytes);
    target.commit();
}

}  // namespace vexilor
