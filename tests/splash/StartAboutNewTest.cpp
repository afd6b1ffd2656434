#include <gtest/gtest.h>

#include <memory>

#include <QPointer>

#include "PlatformWindow.h"
#include "SplashTestSupport.h"

using splash_test::clickPicture;
using splash_test::during;
using splash_test::fadeInEnds;
using splash_test::onScreen;
using splash_test::StandInMainWindow;
using vexilor::SplashScreens;
using vexilor::TForm2;

namespace {

// The program as start-up builds it: a main window, then the first splash window.
struct Program {
    std::unique_ptr<StandInMainWindow> form1;
    SplashScreens splash{[this] { return form1.get(); }};

    Program() {
        form1 = std::make_unique<StandInMainWindow>(splash);
        splash.create();
    }
    TForm2& form2() { return *splash.Form2(); }

    // New: a fresh main window takes the place of the old one and is shown.
    void newMainWindow(const std::function<void()>& whileShowing) {
        form1 = std::make_unique<StandInMainWindow>(splash);
        during([this] { form1->show(); }, whileShowing, splash);
    }
};

}  // namespace

TEST(StartingTheProgram, ShowsTheMainWindowOnlyAfterTheSplashWindowIsClickedAway) {
    Program program;
    bool splashShown = false;
    bool mainOnScreen = true;
    bool mainEnabled = true;
    during([&] { program.form1->show(); },
           [&] {
               splashShown = program.form2().isVisible() && program.form2().inModalRun();
               mainOnScreen = onScreen(*program.form1);
               mainEnabled = program.form1->isEnabled();
               clickPicture(program.form2());
           },
           program.splash);

    EXPECT_TRUE(splashShown);
    EXPECT_FALSE(mainOnScreen);
    EXPECT_FALSE(mainEnabled);
    EXPECT_FALSE(program.form2().isVisible());
    EXPECT_TRUE(onScreen(*program.form1));
    EXPECT_TRUE(program.form1->isEnabled());
    EXPECT_TRUE(program.form1->errorBoxes.empty());
}

TEST(StartingTheProgram, ACloseRequestToTheSplashWindowLetsTheMainWindowCome) {
    Program program;
    during([&] { program.form1->show(); }, [&] { program.form2().windowHandle()->close(); },
           program.splash);
    EXPECT_FALSE(program.form2().isVisible());
    EXPECT_FALSE(program.form2().inModalRun());
    EXPECT_TRUE(onScreen(*program.form1));
}

TEST(About, ReplacesAVisibleSplashWindowAtOnceWithOneFadingInFromZero) {
    Program program;
    program.splash.about();
    QPointer<TForm2> first = program.splash.Form2();
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->AlphaBlendValue() >= 50; }, 10000));

    program.splash.about();

    EXPECT_TRUE(first.isNull());
    TForm2& second = program.form2();
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(second.AlphaBlendValue(), 0);
    EXPECT_TRUE(second.AlphaBlend());
    const QSize desktop = vexilor::platform::virtualScreenSize();
    EXPECT_EQ(second.pos(), QPoint((desktop.width() - 608) / 2, (desktop.height() - 374) / 2));
    ASSERT_TRUE(fadeInEnds(second));
    EXPECT_TRUE(second.isVisible());
}

TEST(About, AfterTheSplashWindowWasDismissedShowsAFreshOne) {
    Program program;
    during([&] { program.form1->show(); }, [&] { clickPicture(program.form2()); }, program.splash);
    QPointer<TForm2> dismissed = program.splash.Form2();
    ASSERT_TRUE(fadeInEnds(*dismissed));

    program.splash.about();

    EXPECT_TRUE(dismissed.isNull());
    EXPECT_TRUE(program.form2().isVisible());
    EXPECT_EQ(program.form2().AlphaBlendValue(), 0);
    EXPECT_TRUE(program.form1->isEnabled()) << "the main window stays usable";
}

TEST(NewMainWindow, ShowsTheDismissedSplashWindowAgainOpaqueWhereItWas) {
    Program program;
    QPoint lastPlace;
    during([&] { program.form1->show(); },
           [&] {
               program.form2().move(program.form2().pos() + QPoint(10, 20));  // dragged away
               lastPlace = program.form2().pos();
               clickPicture(program.form2());
           },
           program.splash);
    ASSERT_TRUE(fadeInEnds(program.form2()));

    bool shownOpaque = false;
    QPoint place;
    bool newMainOnScreen = true;
    program.newMainWindow([&] {
        shownOpaque = program.form2().isVisible() && program.form2().windowOpacity() == 1.0 &&
                      !program.form2().AlphaBlend();
        place = program.form2().pos();
        newMainOnScreen = onScreen(*program.form1);
        clickPicture(program.form2());
    });

    EXPECT_TRUE(shownOpaque);
    EXPECT_EQ(place, lastPlace);
    EXPECT_FALSE(newMainOnScreen);
    EXPECT_TRUE(onScreen(*program.form1));
}

TEST(NewMainWindow, WhileAboutsSplashWindowIsVisibleReportsItThenShowsTheMainWindow) {
    Program program;
    program.splash.about();
    TForm2& aboutSplash = program.form2();

    program.form1 = std::make_unique<StandInMainWindow>(program.splash);
    program.form1->show();

    EXPECT_EQ(program.form1->errorBoxes,
              std::vector<std::string>{"Cannot make a visible window modal"});
    EXPECT_TRUE(onScreen(*program.form1));
    EXPECT_TRUE(aboutSplash.isVisible());
    EXPECT_FALSE(aboutSplash.inModalRun());
    EXPECT_EQ(program.splash.Form2(), &aboutSplash);

    clickPicture(aboutSplash);
    EXPECT_FALSE(aboutSplash.isVisible());
}
