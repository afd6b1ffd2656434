#include "SplashScreens.h"

#include "TitlePicture.h"
#include "Unit2.h"

namespace vexilor {

SplashScreens::SplashScreens(std::function<QWidget*()> currentMainWindow)
    : currentMainWindow_(std::move(currentMainWindow)) {
    // The display's depth is read now, at start, and kept for every splash window.
    displayPictureColours();
}

SplashScreens::~SplashScreens() = default;

void SplashScreens::create() {
    form2_ = std::make_unique<TForm2>(currentMainWindow_);
}

void SplashScreens::showModally() {
    if (form2_)
        form2_->ShowModal();
}

void SplashScreens::about() {
    // About is a menu command of the main window, which the modal run disables, so the
    // old window is never inside its own modal run here.
    form2_.reset();
    form2_ = std::make_unique<TForm2>(currentMainWindow_);
    form2_->Show();
}

}  // namespace vexilor
