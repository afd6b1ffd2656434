#include "ShownDocument.h"

#include <algorithm>

namespace vexilor {

namespace {

const QRect kWholeField(0, 0, SpriteStore::kFieldSize, SpriteStore::kFieldSize);

}  // namespace

void ShownDocument::show(int frame) {
    if (frame != shownFrame_)
        showAll(frame);
}

void ShownDocument::showAll(int frame) {
    document_.frame(frame);  // throws for a frame that is not there
    shownFrame_ = frame;
    emit changed(kWholeField);
}

void ShownDocument::setSize(int width, int height) {
    document_.setSize(width, height);
    emit changed(kWholeField);
}

void ShownDocument::togglePixels(int frame, const PixelField& changed, QRect cells) {
    document_.setFramePixels(frame, document_.frame(frame).pixels ^ changed);
    if (frame != shownFrame_)
        showAll(frame);
    else
        emit this->changed(cells);
}

void ShownDocument::setMask(int frame, const std::optional<PixelField>& mask) {
    document_.setFrameMask(frame, mask);
    showAll(frame);
}

void ShownDocument::insertFrame(int index, SpriteFrame frame) {
    document_.insertFrame(index, std::move(frame));
    showAll(index);
}

void ShownDocument::removeFrame(int index) {
    document_.removeFrame(index);
    showAll(std::min(index, document_.frameCount() - 1));
}

void ShownDocument::moveFrame(int from, int to) {
    document_.moveFrame(from, to);
    showAll(to);
}

void ShownDocument::replaceFrames(const SpriteDocument& frames) {
    const int width = document_.width();
    const int height = document_.height();
    document_ = frames;
    document_.setSize(width, height);
    showAll(0);
}

}  // namespace vexilor
