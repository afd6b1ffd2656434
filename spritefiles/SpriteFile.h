#pragma once

#include <QByteArray>
#include <QString>

#include "SpriteDocument.h"
#include "SpriteImage.h"

namespace vexilor {

// A sprite file is small: a listing of 64 x 64 pixels takes about 8 KiB a frame, so 256
// frames with the credits take a little less than 2 MiB. Larger files are refused before
// they are read whole.
constexpr qsizetype kLargestSpriteFile = 2 * 1024 * 1024;

// Reads a sprite from a file of either kind the programs know, told by its content and
// never by its name: a listing as Save writes it, of one frame or several (with or
// without the credit lines, in UTF-8 or Windows-1251, with CR LF or LF line ends), or a
// picture of at most 64 x 64
// pixels, whose dark pixels are set (light ones with `invertPicture`). Throws Failure
// with the reason, which names no file: a listing's ListingError names the line. A file
// that is neither gets the picture reader's reason. Picture decoders' own complaints are
// kept quiet while they read.
// A picture is cut into frames of `frameSize`, or of the size a sheet records (see
// spriteFromImageBytes); a listing holds its frames itself.
SpriteDocument readSpriteFile(const QString& path, bool invertPicture = false,
                              std::optional<FrameSize> frameSize = {});

// The same for a file's bytes held in memory, such as standard input.
SpriteDocument readSpriteBytes(const QByteArray& bytes, bool invertPicture = false,
                               std::optional<FrameSize> frameSize = {});

// A listing's bytes: UTF-8 where they are valid UTF-8 (a byte-order mark skipped),
// Windows-1251 otherwise, read by readListing.
SpriteDocument readListingBytes(const QByteArray& bytes);

}  // namespace vexilor
