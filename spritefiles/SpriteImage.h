#pragma once

#include <QByteArray>
#include <optional>

#include "SpriteDocument.h"

namespace vexilor {

// The size of the frames a picture is cut into.
struct FrameSize {
    int width = 0;
    int height = 0;
};

// The PNG text entry in which a sheet records its frame size, as "WxH".
inline constexpr char kFrameSizeKey[] = "vexilor-frame-size";

// Reads a picture file's bytes into a document: a pixel is set where the picture is dark
// (grey level below half), or light with `invert`, whatever its alpha. A frame with a pixel
// of alpha below half gets the alpha as its mask (below half: transparent); a frame whose
// pixels are all opaque, as those of a picture without alpha, gets none. The format is
// told by the bytes. The
// picture is cut into frames of `frameSize`, or of the size it records (a sheet), left
// to right and then top to bottom; otherwise it is one frame of at most 64 x 64 pixels.
// Throws Failure naming the reason when the picture cannot be read, is larger than one
// frame may be, is not a whole number of frames, or holds more than 256; a picture whose
// header states such a size is refused before it is decoded.
SpriteDocument spriteFromImageBytes(const QByteArray& bytes, bool invert,
                                    std::optional<FrameSize> frameSize = {});

// The frames side by side in one row of a PNG picture, set pixels black and clear ones
// white whatever the mask, with the frame size recorded in it, so that
// spriteFromImageBytes reads the frames back. When a frame has a mask the picture has
// alpha: none where the mask is transparent, full elsewhere and in frames without a mask.
QByteArray spriteSheetPng(const SpriteDocument& document);

// "WxH" with each from 1 to 64, or none.
std::optional<FrameSize> frameSizeFromText(const QString& text);

}  // namespace vexilor
