#include "AnimationPreview.h"

#include <gtest/gtest.h>
#include <QPointer>
#include <QTest>
#include <vector>

#include "ScreenPixels.h"

using vexilor::AnimationPreview;

namespace {

// Frames of one colour each, which the test may change while the preview plays.
struct ColouredFrames {
    std::vector<QColor> colours{Qt::red, Qt::green, Qt::blue};
    vexilor::AnimationSource source() {
        return {[this] { return int(colours.size()); },
                [this](int frame) {
                    QImage picture(2, 2, QImage::Format_RGB32);
                    picture.fill(colours[std::size_t(frame)]);
                    return picture;
                }};
    }
};

// The middle of the picture, above the speed box.
QColor shownInTheMiddle(QWidget& preview) {
    const QImage shown = onScreen(preview);
    return shown.pixelColor(shown.width() / 2, shown.height() * 2 / 5);
}

}  // namespace

TEST(PlayingFrames, StepsRoundTheFramesFollowsEditsPlaysAtItsSpeedAndClosesOnEscape) {
    ColouredFrames frames;
    QWidget owner;
    auto* preview = new AnimationPreview(frames.source(), &owner);
    preview->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
    EXPECT_EQ(preview->framesPerSecond(), 8);

    // The timer may step too: whichever frame is shown, the screen shows its picture.
    const auto shownFrameColour = [&] {
        return frames.colours[std::size_t(preview->shownFrame())];
    };
    for (int step = 0; step < 4; ++step) {
        QTRY_COMPARE(shownInTheMiddle(*preview), shownFrameColour());
        preview->step();
    }
    frames.colours = {Qt::yellow};
    preview->refresh();
    QTRY_COMPARE(shownInTheMiddle(*preview), QColor(Qt::yellow));

    frames.colours = {Qt::red, Qt::green};
    preview->setFramesPerSecond(AnimationPreview::kFastest);
    QTRY_COMPARE(shownInTheMiddle(*preview), QColor(Qt::red));
    QTRY_COMPARE(shownInTheMiddle(*preview), QColor(Qt::green));

    QPointer<AnimationPreview> open(preview);
    preview->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(preview));
    QTest::keyClick(preview, Qt::Key_Escape);
    QTRY_VERIFY(open.isNull());  // closed, and gone with it
}
