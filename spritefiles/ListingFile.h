#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vexilor {

// The bytes of a saved listing: every line, the last one too, followed by CR LF, in
// Windows-1251 without a byte-order mark.
QByteArray listingFileBytes(const QStringList& lines);

// Writes `bytes` to the file at `path`. An existing file is replaced only once the new
// content is complete, so a failure leaves it exactly as it was; only where its folder
// takes no new file is it written in place, and then a failure leaves what was written.
// A new file that cannot be completed is removed. A device, a pipe or a socket, also
// behind a link, is written straight and stays what it is. Throws Failure with
// "Cannot create file ..." or "Stream write error" (see OutputTarget).
void writeFileSafely(const QString& path, const QByteArray& bytes);

}  // namespace vexilor
