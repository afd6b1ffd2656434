#pragma once

#include <optional>
#include <vector>

#include "SpriteStore.h"

namespace vexilor {

// One picture of an animation. A struct, so that what belongs to each frame besides its
// pixels can join them.
struct SpriteFrame {
    PixelField pixels;
    // Where the background shows through (bit 1: transparent), over the same 64 x 64 field;
    // none for a frame without a mask.
    std::optional<PixelField> mask;
    friend bool operator==(const SpriteFrame&, const SpriteFrame&) = default;
};

// A sprite as a whole: a sequence of 1 to 256 frames of one width and height. It holds
// data alone; the editor's views follow it through the editor's commands. Every change
// that would break its rules throws Failure and leaves it as it was.
class SpriteDocument {
public:
    static constexpr int kMaxFrames = 256;

    // One empty frame of 8 x 8 pixels, as a fresh store.
    SpriteDocument() : SpriteDocument(SpriteStore{}) {}
    // One frame: the store's size and its whole pixel field.
    explicit SpriteDocument(const SpriteStore& store);

    int width() const { return width_; }
    int height() const { return height_; }
    // For every frame; throws as SpriteStore::setSize does.
    void setSize(int width, int height);

    int frameCount() const { return static_cast<int>(frames_.size()); }
    const SpriteFrame& frame(int index) const;
    // A copy of the frame as a store of the document's size, for the edits, the bytes and
    // the listing of one picture.
    SpriteStore frameStore(int index) const;
    void setFramePixels(int index, const PixelField& pixels);

    // `index` from 0 to frameCount(): the new frame's place; those from there on move up.
    void insertFrame(int index, SpriteFrame frame);
    // Refused while there is one frame.
    void removeFrame(int index);
    // Takes the frame out at `from` and puts it back so that it stands at `to`; the frames
    // between move one place to fill the gap.
    void moveFrame(int from, int to);

    friend bool operator==(const SpriteDocument&, const SpriteDocument&) = default;

private:
    void checkIndex(int index, int end) const;

    int width_ = 8;
    int height_ = 8;
    std::vector<SpriteFrame> frames_;
};

}  // namespace vexilor
