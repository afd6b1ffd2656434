#include "SpriteDocument.h"

#include <string>

#include "Failure.h"

namespace vexilor {

SpriteDocument::SpriteDocument(const SpriteStore& store)
    : width_(store.width()),
      height_(store.height()),
      frames_{SpriteFrame{store.field(), std::nullopt}} {}

void SpriteDocument::setSize(int width, int height) {
    SpriteStore::checkSize(width);
    SpriteStore::checkSize(height);
    width_ = width;
    height_ = height;
}

void SpriteDocument::checkIndex(int index, int end) const {
    if (index < 0 || index >= end) {
        throw Failure("there is no frame " + std::to_string(index + 1) + " of " +
                      std::to_string(frameCount()));
    }
}

const SpriteFrame& SpriteDocument::frame(int index) const {
    checkIndex(index, frameCount());
    return frames_[static_cast<std::size_t>(index)];
}

SpriteStore SpriteDocument::frameStore(int index) const {
    SpriteStore store;
    store.setSize(width_, height_);
    store.setField(frame(index).pixels);
    return store;
}

void SpriteDocument::setFramePixels(int index, const PixelField& pixels) {
    checkIndex(index, frameCount());
    frames_[static_cast<std::size_t>(index)].pixels = pixels;
}

void SpriteDocument::insertFrame(int index, SpriteFrame frame) {
    checkIndex(index, frameCount() + 1);
    if (frameCount() == kMaxFrames)
        throw Failure("a sprite has at most 256 frames");
    frames_.insert(frames_.begin() + index, std::move(frame));
}

void SpriteDocument::removeFrame(int index) {
    checkIndex(index, frameCount());
    if (frameCount() == 1)
        throw Failure("a sprite keeps at least one frame");
    frames_.erase(frames_.begin() + index);
}

void SpriteDocument::moveFrame(int from, int to) {
    checkIndex(from, frameCount());
    checkIndex(to, frameCount());
    SpriteFrame moved = std::move(frames_[static_cast<std::size_t>(from)]);
    frames_.erase(frames_.begin() + from);
    frames_.insert(frames_.begin() + to, std::move(moved));
}

}  // namespace vexilor
