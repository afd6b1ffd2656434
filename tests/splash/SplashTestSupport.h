#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QTest>
#include <QTimer>
#include <QWidget>

#include "Failure.h"
#include "PictureLabel.h"
#include "SplashScreens.h"
#include "Unit2.h"

namespace splash_test {

// Stands in for the program's main window: like the real one, its show event runs the
// splash window's modal run, and a failure there goes to the error box (kept here).
class StandInMainWindow : public QWidget {
public:
    explicit StandInMainWindow(vexilor::SplashScreens& splash) : splash_(splash) {}
    std::vector<std::string> errorBoxes;
    bool onScreenDuringShowEvent = false;

protected:
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        try {
            splash_.showModally();
        } catch (const vexilor::Failure& failure) {
            errorBoxes.push_back(failure.what());
        }
    }

private:
    vexilor::SplashScreens& splash_;
};

// Whether the platform has put the window on the screen (QWidget::isVisible is true
// already during the show event, before that happens).
inline bool onScreen(const QWidget& window) {
    return window.windowHandle() != nullptr && window.windowHandle()->isVisible();
}

inline void clickPicture(vexilor::TForm2& splash) {
    QTest::mouseClick(splash.Image1, Qt::LeftButton, {}, QPoint(300, 200));
}

// Runs `whileModal` from inside the event loop that `start` enters (a modal run), so a
// test can look at the screen and click while the run is going. If the run is still
// going long after, it is closed so that a broken test fails instead of hanging.
inline void during(const std::function<void()>& start, const std::function<void()>& whileModal,
                   vexilor::SplashScreens& splash) {
    QTimer::singleShot(0, whileModal);
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&splash] {
        ADD_FAILURE() << "the modal run did not end";
        if (splash.Form2() != nullptr)
            splash.Form2()->Close();
    });
    rescue.start(20000);
    start();
}

// Lets the fade-in of `splash` run to its end through the event loop.
inline bool fadeInEnds(vexilor::TForm2& splash) {
    return QTest::qWaitFor([&splash] { return splash.Timer1 == nullptr; }, 10000);
}

}  // namespace splash_test
