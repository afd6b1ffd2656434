#pragma once

#include <QObject>
#include <QRect>

#include "SpriteDocument.h"

namespace vexilor {

// The sprite document being edited and the frame the grid shows of it. The history's
// steps change the document through here, each naming the frame it changed, and every
// change ends in one signal that the views (grid, title, preview) follow.
class ShownDocument : public QObject {
    Q_OBJECT
public:
    const SpriteDocument& document() const { return document_; }
    int shownFrame() const { return shownFrame_; }
    const SpriteFrame& shownContent() const { return document_.frame(shownFrame_); }
    const PixelField& shownPixels() const { return shownContent().pixels; }

    void show(int frame);
    void setSize(int width, int height);
    // Turns over the pixels of `changed` in `frame`, which is then shown; all of them lie
    // inside `cells`.
    void togglePixels(int frame, const PixelField& changed, QRect cells);
    // Gives `frame` the mask, or none, and shows it.
    void setMask(int frame, const std::optional<PixelField>& mask);
    void insertFrame(int index, SpriteFrame frame);
    // The frame that takes the removed one's place is shown, or the new last one.
    void removeFrame(int index);
    // The moved frame is shown in its new place.
    void moveFrame(int from, int to);
    // Every frame anew, the size kept; the first is shown.
    void replaceFrames(const SpriteDocument& frames);

signals:
    // The shown picture may differ inside `cells` (the whole field after a change of
    // frames), or which frame is shown, or how many there are.
    void changed(QRect cells);

private:
    void showAll(int frame);

    SpriteDocument document_;
    int shownFrame_ = 0;
};

}  // namespace vexilor
