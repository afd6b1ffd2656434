#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vexilor {

// One picture of a sprite: a fixed 64 x 64 pixel field and the part of it that forms the
// sprite. Pixels outside the sprite's width and height keep their values; they are
// neither edited nor converted. A document of several frames (SpriteDocument) hands each
// frame out as a store of its own, so that the transforms, the bytes and the listing of
// one picture work on either.
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
    // The field itself, for reading it without a copy.
    const PixelField& pixelField() const { return pixels_; }
    // Replaces every pixel of the field, also those outside the sprite's width and height,
    // so that an undone edit gets back what lay beyond a since shrunk size. One revision
    // step when anything changed, none otherwise.
    void setField(const PixelField& field);
    // Goes up with every change of the pixel field (and never otherwise), so that a view
    // which remembers the count it last showed can tell whether it is out of date.
    std::uint64_t pixelRevision() const { return pixelRevision_; }

    // Throws Failure for a width or height above 64; the size then stays as it was.
    // Sizes of 0 or less are kept: such a sprite has no pixels.
    void setSize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    // Throws the Failure that setSize throws for a size above 64, naming the size as
    // `asGiven` (a box's text, say), or by its digits when that is empty.
    static void checkSize(int size, std::string_view asGiven = {});

private:
    PixelField pixels_;
    std::uint64_t pixelRevision_ = 0;
    int width_ = 8;
    int height_ = 8;
};

using PixelField = SpriteStore::PixelField;

}  // namespace vexilor
