#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

class QSpinBox;

namespace vexilor {

// Where the preview takes its frames from: how many there are now, and the picture of
// one of them, one picture pixel per sprite pixel. Both are asked anew at every step, so
// the preview follows edits while it plays.
struct AnimationSource {
    std::function<int()> frameCount;
    std::function<QImage(int frame)> frameImage;
};

// A window of its own that plays the frames in a loop, scaled up by a whole factor, at a
// speed the user sets in frames per second. It never blocks the window it belongs to;
// Escape or its close button closes it.
class AnimationPreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSlowest = 1;
    static constexpr int kFastest = 50;
    static constexpr int kFirstSpeed = 8;

    // The preview closes with `owner`.
    AnimationPreview(AnimationSource source, QWidget* owner);

    int framesPerSecond() const;
    void setFramesPerSecond(int speed);
    // The frame shown now, counted from 0.
    int shownFrame() const { return shownFrame_; }

    // Takes the shown frame's picture again, for an edit that should show before the
    // next step.
    void refresh();
    // The next frame, after the last the first.
    void step();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Picture;

    AnimationSource source_;
    Picture* picture_ = nullptr;
    QSpinBox* speed_ = nullptr;
    QTimer timer_;
    int shownFrame_ = 0;
};

}  // namespace vexilor
