#include <gtest/gtest.h>

#include "SplashTestSupport.h"

using splash_test::clickPicture;
using splash_test::fadeInEnds;
using vexilor::TForm2;

namespace {

// A splash window shown beside a main window that is not on the screen yet.
struct ShownSplash {
    QWidget mainWindow;
    TForm2 splash{[this] { return &mainWindow; }};
    ShownSplash() { splash.Show(); }
};

}  // namespace

TEST(ClickingThePicture, DuringTheFadeInHidesItAndTheFadeInEndsOutOfSight) {
    ShownSplash shown;
    for (int tick = 0; tick < 4; ++tick)
        shown.splash.Timer1Timer(shown.splash.Timer1);

    clickPicture(shown.splash);

    // The fade-out held the thread: not one tick was handled meanwhile.
    EXPECT_EQ(shown.splash.AlphaBlendValue(), 20);
    EXPECT_FALSE(shown.splash.isVisible());
    EXPECT_DOUBLE_EQ(shown.splash.windowOpacity(), 20 / 255.0) << "its alpha is kept";
    ASSERT_TRUE(fadeInEnds(shown.splash));
    EXPECT_EQ(shown.splash.AlphaBlendValue(), 255);
    EXPECT_FALSE(shown.splash.isVisible());
}

TEST(ClickingThePicture, BringsTheMainWindowForward) {
    ShownSplash shown;
    ASSERT_TRUE(fadeInEnds(shown.splash));
    clickPicture(shown.splash);
    EXPECT_FALSE(shown.splash.isVisible());
    EXPECT_TRUE(shown.mainWindow.isVisible());
    EXPECT_EQ(shown.splash.windowOpacity(), 1.0);
}

TEST(ClickingThePicture, NeedsTheReleaseOnThePictureAndTheLeftButton) {
    ShownSplash shown;
    QTest::mousePress(shown.splash.Image1, Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseRelease(shown.splash.Image1, Qt::LeftButton, {}, QPoint(700, 200));
    QTest::mouseClick(shown.splash.Image1, Qt::RightButton, {}, QPoint(300, 200));
    EXPECT_TRUE(shown.splash.isVisible());
    EXPECT_FALSE(shown.mainWindow.isVisible());
}

TEST(ClosingFromTheDesktop, HidesAtOnceAndLeavesTheMainWindowAlone) {
    ShownSplash shown;
    QPointer<QTimer> timer = shown.splash.Timer1;
    shown.splash.windowHandle()->close();
    EXPECT_FALSE(shown.splash.isVisible());
    EXPECT_FALSE(shown.mainWindow.isVisible());
    EXPECT_FALSE(timer.isNull()) << "the fade-in goes on out of sight";
    EXPECT_TRUE(fadeInEnds(shown.splash));
}
