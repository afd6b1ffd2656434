#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Palette.h"

namespace vexilor {

// The whole editable state of one sprite: a fixed 64 x 64 pixel field, the part of it
// that forms the sprite, and the two display colours. Pixels outside the sprite's
// width and height keep their values; they are neither edited nor converted.
class SpriteStore {
public:
    static constexpr int kFieldSize = 64;
    // The whole field as bits, for edits and snapshots of all pixels at once.
    using PixelField = std::bitset<kFieldSize * kFieldSize>;
    // Column by column, as the store keeps it: index = column * 64 + row.
    static constexpr std::size_t pixelIndex(int column, int row) {
        return static_cast<std::size_t>(column * kFieldSize + row);
    }

    SpriteStore() { reset(); }

    void reset();

    // Sets (1, or any value but 0) or clears (0) a pixel inside the sprite; outside it
    // nothing changes.
    void setPixel(int column, int row, int value);
    // The stored value, 1 or 0, of any pixel of the field, 0 <= column, row < 64.
    int pixel(int column, int row) const {
        const bool inField = column >= 0 && column < kFieldSize && row >= 0 && row < kFieldSize;
        return inField && pixels_[pixelIndex(column, row)] ? 1 : 0;
    }
    void clearPixels();
    // A copy, so that a snapshot taken before an edit keeps the pixels of before.
    PixelField field() const { return pixels_; }
    // Replaces every pixel of the field, also those outside the sprite's width and height,
    // so that an undone edit gets back what lay beyond a since shrunk size. One revision
    // step when anything changed, none otherwise.
    void setField(const PixelField& field);
    // Goes up with every change of the pixel field (and never otherwise), so that a view
    // which remembers the count it last showed can tell whether it is out of date.
    std::uint64_t pixelRevision() const { return pixelRevision_; }

    // Throw Failure when the text is no whole number or a size above 64; the size then
    // stays as it was. Sizes of 0 or less are kept: such a sprite has no pixels.
    void setWidthFromText(std::string_view text);
    void setHeightFromText(std::string_view text);
    int width() const { return width_; }
    int height() const { return height_; }

    // Choose a colour by the first character of a palette entry text; any other first
    // character, or an empty text, keeps the colour.
    void selectBrush(std::string_view entryText);
    void selectBackground(std::string_view entryText);
    const ColourName& brushColour() const { return brushColour_; }
    const ColourName& backgroundColour() const { return backgroundColour_; }

private:
    PixelField pixels_;
    std::uint64_t pixelRevision_ = 0;
    int width_ = 8;
    int height_ = 8;
    ColourName brushColour_;
    ColourName backgroundColour_;
};

using PixelField = SpriteStore::PixelField;

}  // namespace vexilor
