#include <gtest/gtest.h>

#include <QApplication>

#include "SplashTestSupport.h"

using splash_test::clickPicture;
using splash_test::during;
using splash_test::StandInMainWindow;
using vexilor::SplashScreens;

namespace {

// Runs `whileRunning` inside the program's main event loop and answers whether the
// program ended (the loop returned) within a generous time.
bool programEnds(const std::function<void()>& whileRunning) {
    bool stuck = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&stuck] {
        stuck = true;
        QCoreApplication::exit(1);
    });
    rescue.start(20000);
    QTimer::singleShot(0, whileRunning);
    QApplication::exec();
    return !stuck;
}

}  // namespace

TEST(EndingTheProgram, DuringTheStartUpSplashEndsItsModalRun) {
    std::unique_ptr<StandInMainWindow> form1;
    SplashScreens splash([&form1] { return form1.get(); });
    form1 = std::make_unique<StandInMainWindow>(splash);
    splash.create();

    EXPECT_TRUE(programEnds(
        [&] { during([&] { form1->show(); }, [] { QCoreApplication::quit(); }, splash); }));
    EXPECT_FALSE(splash.Form2()->isVisible());
    EXPECT_FALSE(splash.Form2()->inModalRun());
    EXPECT_TRUE(form1->isEnabled());
}

TEST(EndingTheProgram, ClosingTheMainWindowEndsItWhileAboutsSplashWindowIsVisible) {
    std::unique_ptr<StandInMainWindow> form1;
    SplashScreens splash([&form1] { return form1.get(); });
    form1 = std::make_unique<StandInMainWindow>(splash);
    splash.create();
    during([&] { form1->show(); }, [&] { clickPicture(*splash.Form2()); }, splash);
    splash.about();

    EXPECT_TRUE(programEnds([&] { form1->close(); }));
}
