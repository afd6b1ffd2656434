#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "Failure.h"
#include "PictureLabel.h"
#include "ScreenPixels.h"
#include "ScreenPlacement.h"
#include "SplashScreens.h"
#include "TitlePicture.h"
#include "Unit2.h"
#include "WindowAlpha.h"

using vexilor::TForm2;

namespace {

// The splash window asks the window system for nothing it refuses: a warning such as
// "This plugin does not support setting window opacity" fails the test that caused it.
QtMessageHandler standardHandler = nullptr;
[[maybe_unused]] const bool warningsFail =
    (standardHandler = qInstallMessageHandler(
         [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
             standardHandler(type, context, message);
             if (type != QtDebugMsg && type != QtInfoMsg)
                 ADD_FAILURE() << "warning: " << message.toStdString();
         })) != nullptr;

// Stands in for the program's main window: like the real one, its show event runs the
// splash window's modal run, and a failure there goes to the error box (kept here).
struct StandInMainWindow : QWidget {
    explicit StandInMainWindow(vexilor::SplashScreens& splash) : splash(splash) {}
    std::vector<std::string> errorBoxes;
    vexilor::SplashScreens& splash;

    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        try {
            splash.showModally();
        } catch (const vexilor::Failure& failure) {
            errorBoxes.push_back(failure.what());
        }
    }
};

// The program as start-up builds it: a main window, then the first splash window.
struct Program {
    std::unique_ptr<StandInMainWindow> form1;
    vexilor::SplashScreens splash{[this] { return form1.get(); }};

    Program() {
        form1 = std::make_unique<StandInMainWindow>(splash);
        splash.create();
    }
    TForm2& form2() { return *splash.Form2(); }

    // Shows the main window, whose show event enters the splash window's modal run, and
    // runs `whileModal` inside that run; a run that never ends fails the test.
    void showMainWindow(const std::function<void()>& whileModal) {
        QTimer::singleShot(0, whileModal);
        QObject rescue;  // the rescue is called off when this goes
        QTimer::singleShot(20000, &rescue, [this] {
            ADD_FAILURE() << "the modal run did not end";
            form2().Close();
        });
        form1->show();
    }
};

// These tests run on X11 and again on Wayland, whose compositors neither make a window
// translucent nor let it choose its place.
bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// The opacity the window system is given for a splash window's alpha value: on Wayland
// the window is opaque throughout.
double shownOpacity(int alpha) {
    return onX11() ? alpha / 255.0 : 1.0;
}

// Whether the platform has put the window on the screen (QWidget::isVisible is true
// already during the show event, before that happens).
bool isOnScreen(const QWidget& window) {
    return window.windowHandle() != nullptr && window.windowHandle()->isVisible();
}

void clickPicture(TForm2& splash) {
    QTest::mouseClick(splash.Image1, Qt::LeftButton, {}, QPoint(300, 200));
}

// Lets the fade-in of `splash` run to its end through the event loop.
bool fadeInEnds(TForm2& splash) {
    return QTest::qWaitFor([&splash] { return splash.Timer1 == nullptr; }, 10000);
}

// Whether the program's main event loop, running `whileRunning`, ends by itself.
bool programEnds(const std::function<void()>& whileRunning) {
    QObject rescue;  // the rescue is called off when this goes
    QTimer::singleShot(20000, &rescue, [] { QCoreApplication::exit(1); });
    QTimer::singleShot(0, whileRunning);
    return QApplication::exec() == 0;
}

}  // namespace

TEST(ANewSplashWindow, FadesInOutOfSightInStepsOfFiveAndItsTimerEndsForGoodAt255) {
    TForm2 splash(nullptr);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.size(), QSize(608, 374));
    EXPECT_EQ(splash.Image1->geometry(), splash.rect()) << "the picture fills it";
    EXPECT_EQ(splash.windowOpacity(), shownOpacity(0));

    std::vector<int> values{splash.AlphaBlendValue()};
    int blendedTicks = 0;
    QPointer<QTimer> timer = splash.Timer1;
    QObject::connect(timer, &QTimer::timeout, [&] {
        values.push_back(splash.AlphaBlendValue());
        blendedTicks += splash.AlphaBlend();
    });
    ASSERT_TRUE(fadeInEnds(splash));
    QTest::qWait(50);  // room for a tick that should not come

    std::vector<int> expected;
    for (int value = 0; value <= 255; value += 5)
        expected.push_back(value);
    EXPECT_EQ(values, expected);
    EXPECT_EQ(blendedTicks, 50) << "blending goes off at 255, not before";
    EXPECT_FALSE(splash.AlphaBlend());
    EXPECT_EQ(splash.windowOpacity(), 1.0);
    EXPECT_TRUE(timer.isNull()) << "the timer is destroyed, not just stopped";
    EXPECT_FALSE(splash.isVisible());
}

TEST(ClickingThePicture, DuringTheFadeInHidesItBringsTheMainWindowAndTheFadeInEndsUnseen) {
    QWidget mainWindow;
    TForm2 splash([&mainWindow] { return &mainWindow; });
    splash.Show();
    // Neither the right button nor a press released off the picture is a click.
    QTest::mouseClick(splash.Image1, Qt::RightButton, {}, QPoint(300, 200));
    QTest::mousePress(splash.Image1, Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseRelease(splash.Image1, Qt::LeftButton, {}, QPoint(700, 200));
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(mainWindow.isVisible());

    for (int tick = 0; tick < 4; ++tick)
        splash.Timer1Timer(splash.Timer1);
    const int alpha = splash.AlphaBlendValue();
    clickPicture(splash);

    EXPECT_EQ(splash.AlphaBlendValue(), alpha) << "the fade-out holds the thread: no tick";
    EXPECT_DOUBLE_EQ(splash.windowOpacity(), shownOpacity(alpha)) << "its alpha is kept";
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
    ASSERT_TRUE(fadeInEnds(splash));
    EXPECT_EQ(splash.AlphaBlendValue(), 255);
    EXPECT_FALSE(splash.isVisible());
}

TEST(ClosingFromTheDesktop, HidesAtOnceAndLeavesTheMainWindowAlone) {
    QWidget mainWindow;
    TForm2 splash([&mainWindow] { return &mainWindow; });
    splash.Show();
    splash.windowHandle()->close();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_TRUE(fadeInEnds(splash)) << "the fade-in goes on out of sight";
}

TEST(StartingNewAndAbout, ShowTheMainWindowOnceTheSplashIsGoneThenAboutShowsAFreshOne) {
    Program program;
    QPoint lastPlace;
    program.showMainWindow([&] {
        EXPECT_TRUE(program.form2().isVisible() && program.form2().inModalRun());
        EXPECT_FALSE(isOnScreen(*program.form1));
        EXPECT_FALSE(program.form1->isEnabled());
        program.form2().move(program.form2().pos() + QPoint(10, 20));  // dragged away
        lastPlace = program.form2().pos();
        clickPicture(program.form2());
    });
    EXPECT_FALSE(program.form2().isVisible());
    EXPECT_TRUE(isOnScreen(*program.form1));
    EXPECT_TRUE(program.form1->isEnabled());
    ASSERT_TRUE(fadeInEnds(program.form2()));

    // New: a fresh main window takes the place of the old one and is shown.
    program.form1 = std::make_unique<StandInMainWindow>(program.splash);
    program.showMainWindow([&] {
        EXPECT_TRUE(program.form2().isVisible());
        EXPECT_EQ(program.form2().windowOpacity(), 1.0) << "opaque at once";
        EXPECT_FALSE(program.form2().AlphaBlend());
        if (onX11()) {
            EXPECT_EQ(program.form2().pos(), lastPlace);
            // Wayland lets no client read the screen back.
            EXPECT_EQ(onScreen(program.form2()).convertToFormat(QImage::Format_RGB32),
                      vexilor::loadTitlePicture().convertToFormat(QImage::Format_RGB32))
                << "the screen shows the title picture, pixel for pixel";
        }
        EXPECT_FALSE(isOnScreen(*program.form1));
        clickPicture(program.form2());
    });
    EXPECT_TRUE(isOnScreen(*program.form1));
    EXPECT_TRUE(program.form1->errorBoxes.empty());

    QPointer<TForm2> dismissed = program.splash.Form2();
    program.splash.about();
    EXPECT_TRUE(dismissed.isNull());
    EXPECT_TRUE(program.form2().isVisible());
    EXPECT_EQ(program.form2().AlphaBlendValue(), 0);
    EXPECT_TRUE(program.form1->isEnabled());
}

TEST(AboutTwiceThenNewThenClosing, ReplaceAVisibleSplashAtOnceAndReportItCannotBeModal) {
    Program program;
    program.splash.about();
    QPointer<TForm2> first = program.splash.Form2();
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->AlphaBlendValue() >= 50; }, 10000));

    program.splash.about();
    EXPECT_TRUE(first.isNull());
    TForm2& second = program.form2();
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(second.AlphaBlendValue(), 0);
    EXPECT_EQ(second.windowOpacity(), shownOpacity(0));
    if (onX11()) {
        const QSize desktop = vexilor::virtualScreenSize();
        EXPECT_EQ(second.pos(), QPoint((desktop.width() - 608) / 2, (desktop.height() - 374) / 2));
    }

    program.form1 = std::make_unique<StandInMainWindow>(program.splash);
    program.form1->show();
    EXPECT_EQ(program.form1->errorBoxes,
              std::vector<std::string>{"Cannot make a visible window modal"});
    EXPECT_TRUE(isOnScreen(*program.form1));
    EXPECT_TRUE(second.isVisible());
    EXPECT_FALSE(second.inModalRun());
    EXPECT_EQ(program.splash.Form2(), &second);
    ASSERT_TRUE(fadeInEnds(second));
    EXPECT_TRUE(second.isVisible());
    EXPECT_TRUE(programEnds([&] { program.form1->close(); })) << "About's window lets it end";
}

TEST(EndingTheProgram, DuringTheStartUpSplashEndsItsModalRun) {
    Program program;
    EXPECT_TRUE(programEnds([&] { program.showMainWindow([] { QCoreApplication::quit(); }); }));
    EXPECT_FALSE(program.form2().isVisible());
    EXPECT_FALSE(program.form2().inModalRun());
    EXPECT_TRUE(program.form1->isEnabled());
}

// At start, after New and for About, Escape, Enter (either key) and Space dismiss the
// splash window as a click does. (That it has the keyboard at start is seen in the
// program's own test, which presses Escape through the X server.)
TEST(TheKeyboard, DismissesTheSplashWindowWithEscapeEnterOrSpace) {
    Program program;
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        program.form1 = std::make_unique<StandInMainWindow>(program.splash);
        program.showMainWindow([&] {
            // The key once the splash is up, as a user sees it before pressing.
            EXPECT_TRUE(QTest::qWaitFor([&] { return program.form2().isVisible(); }));
            QTest::keyClick(&program.form2(), key);
        });
        EXPECT_FALSE(program.form2().isVisible()) << key;
        EXPECT_TRUE(isOnScreen(*program.form1)) << key;
        // Gone from the screen before the next start shows it again, as a user sees it:
        // X reports the unmapping later, and Qt warns of a window shown before it has.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !program.form2().windowHandle()->isExposed(); }));
    }
    program.splash.about();
    QTest::keyClick(&program.form2(), Qt::Key_A);
    EXPECT_TRUE(program.form2().isVisible()) << "other keys do nothing";
    QTest::keyClick(&program.form2(), Qt::Key_Escape);
    EXPECT_FALSE(program.form2().isVisible());
}
