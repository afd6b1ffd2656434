#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vexilor {

// The bytes of a saved listing: every line, the last one too, followed by CR LF, in
// Windows-1251 without a byte-order mark.
QByteArray listingFileBytes(const QStringList& lines);

// Replaces the file at `path` with `bytes`, or leaves it exactly as it was: the bytes
// go to a temporary file in the same folder that takes the file's place only once it
// is complete. Throws Failure with "Cannot create file ..." or "Stream write error".
void writeFileSafely(const QString& path, const QByteArray& bytes);

}  // namespace vexilor
