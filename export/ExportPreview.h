#pragma once

#include <QByteArray>
#include <QString>

#include "ExportChoices.h"

namespace vexilor {

// What the export dialog shows of the file it is about to write: the text itself for the
// sources and the subroutine; for the tape its CODE file's name, address and length and
// the bytes it holds, read back from the tape's blocks; for the picture its size and
// frames.
QString exportPreview(ExportForm form, const QByteArray& bytes, const SpriteDocument& document);

}  // namespace vexilor
