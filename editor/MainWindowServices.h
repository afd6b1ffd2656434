#pragma once

#include <functional>

namespace vexilor {

class TForm1;

// What the main window asks of the rest of the program: the splash window, saving and
// printing live in other libraries, and the program start hands them in. An empty
// function means that nothing happens.
struct MainWindowServices {
    std::function<void()> showSplashModally;     // from FormShow, at start and after New
    std::function<void()> showAbout;             // N12
    std::function<bool()> save;                  // Button3Click, N6Click; true once written
    std::function<void()> print;                 // Button4Click, N7Click
    std::function<void()> showAnimationPreview;  // the frames menu's preview
    std::function<void()> showExport;            // the file menu's export
};

// Gives each new main window (at start and after New) its services.
using MainWindowServicesFactory = std::function<MainWindowServices(TForm1& window)>;

}  // namespace vexilor
