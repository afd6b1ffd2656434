#pragma once

#include <QString>

namespace vexilor {

class Failure;

// What the error box says when the file at `path` gives no sprite, in the window's own
// language: an empty file, a file too large for a sprite file, a listing's bad line, a
// picture larger than a sprite, a file that is neither a listing nor a picture, or the
// system's reason why it cannot be read. `failure` is what the reader threw.
QString openingFailureMessage(const QString& path, const Failure& failure);

}  // namespace vexilor
