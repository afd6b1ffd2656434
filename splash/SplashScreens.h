#pragma once

#include <functional>
#include <memory>

class QWidget;

namespace vexilor {

class TForm2;

// The program's current splash window (Form2), from start-up to the end of the
// program. Destroying this object destroys the splash window with it.
class SplashScreens {
public:
    // `currentMainWindow` answers the program's current main window (Form1), which a
    // click on the picture brings to the front; it may answer null.
    explicit SplashScreens(std::function<QWidget*()> currentMainWindow);
    ~SplashScreens();
    SplashScreens(const SplashScreens&) = delete;
    SplashScreens& operator=(const SplashScreens&) = delete;

    // Start-up, right after the main window: the first splash window, hidden, its
    // fade-in already running.
    void create();
    // For the main window's show event: the current splash window's modal run. Throws
    // Failure("Cannot make a visible window modal") while it is on the screen. Does
    // nothing before create().
    void showModally();
    // About: the current splash window vanishes at once and a new one fades in beside a
    // main window that stays usable.
    void about();

    TForm2* Form2() const { return form2_.get(); }

private:
    std::function<QWidget*()> currentMainWindow_;
    std::unique_ptr<TForm2> form2_;
};

}  // namespace vexilor
