#include <gtest/gtest.h>

#include <QPointer>

#include "PlatformWindow.h"
#include "SplashTestSupport.h"

using splash_test::fadeInEnds;
using vexilor::TForm2;

TEST(ANewSplashWindow, WaitsHiddenAndFullyTransparentWithItsPictureFillingIt) {
    TForm2 splash(nullptr);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(splash.AlphaBlend());
    EXPECT_EQ(splash.AlphaBlendValue(), 0);
    EXPECT_EQ(splash.windowOpacity(), 0.0);
    EXPECT_EQ(splash.size(), QSize(608, 374));
    EXPECT_EQ(splash.Image1->geometry(), QRect(0, 0, 608, 374));
    ASSERT_NE(splash.Timer1, nullptr);
    EXPECT_TRUE(splash.Timer1->isActive());
}

TEST(ANewSplashWindow, GrowsOpaqueInStepsOfFiveAndStopsAt255) {
    TForm2 splash(nullptr);
    std::vector<int> values;
    for (int tick = 0; tick < 51; ++tick) {
        ASSERT_NE(splash.Timer1, nullptr) << "timer gone before tick " << tick + 1;
        splash.Timer1Timer(splash.Timer1);
        values.push_back(splash.AlphaBlendValue());
        if (tick < 50) {
            EXPECT_TRUE(splash.AlphaBlend());
        }
    }
    std::vector<int> expected;
    for (int value = 5; value <= 255; value += 5)
        expected.push_back(value);
    EXPECT_EQ(values, expected);
    EXPECT_EQ(splash.Timer1, nullptr);
    EXPECT_FALSE(splash.AlphaBlend());
    EXPECT_EQ(splash.windowOpacity(), 1.0);
}

TEST(ANewSplashWindow, FadesInOutOfSightAndItsTimerNeverTicksAgain) {
    TForm2 splash(nullptr);
    int ticks = 0;
    QObject::connect(splash.Timer1, &QTimer::timeout, [&ticks] { ++ticks; });
    QPointer<QTimer> timer = splash.Timer1;

    ASSERT_TRUE(fadeInEnds(splash));
    QTest::qWait(50);  // room for a tick that should not come

    EXPECT_EQ(ticks, 51);
    EXPECT_EQ(splash.AlphaBlendValue(), 255);
    EXPECT_FALSE(splash.AlphaBlend());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(timer.isNull()) << "the timer is destroyed, not just stopped";
}

TEST(ANewSplashWindow, AppearsTransparentAtTheCentreOfTheDesktop) {
    TForm2 splash(nullptr);
    splash.Show();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.windowOpacity(), 0.0);
    const QSize desktop = vexilor::platform::virtualScreenSize();
    EXPECT_EQ(splash.pos(), QPoint((desktop.width() - 608) / 2, (desktop.height() - 374) / 2));
}
