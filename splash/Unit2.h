#pragma once

#include <functional>

#include <QWidget>

class QEventLoop;
class QTimer;

namespace vexilor {

class PictureLabel;

// The splash window: a borderless window showing the title picture. A new one fades in
// from transparent to opaque in 51 ticks of Timer1, whether it is on the screen or not;
// a click on the picture fades it out, brings the main window to the front and closes
// it. The program owns it (no parent, no taskbar entry of its own).
class TForm2 : public QWidget {
    Q_OBJECT
public:
    enum class ModalResult { None, Cancel };

    // `currentMainWindow` names the main window a click brings to the front; it may
    // answer null. Throws Failure("Not enough timers available") if Timer1 cannot run.
    explicit TForm2(std::function<QWidget*()> currentMainWindow);
    ~TForm2() override;

    // Shows the window and handles events until it is closed or the program ends,
    // with every other visible, enabled window of the program disabled meanwhile.
    // Throws Failure("Cannot make a visible window modal") if it is already visible.
    ModalResult ShowModal();
    // Shows the window in front of the others and returns at once.
    void Show();
    // Ends the modal run if there is one (Cancel), or else hides the window. The window
    // keeps its alpha and, if the fade-in is still going, its running Timer1.
    void Close();

    bool AlphaBlend() const { return alphaBlend_; }
    unsigned char AlphaBlendValue() const { return alphaBlendValue_; }
    void setAlphaBlend(bool on);
    void setAlphaBlendValue(unsigned char value);

    bool inModalRun() const { return modalLoop_ != nullptr; }

    // One step of the fade-in.
    void Timer1Timer(QObject* Sender);
    // The dismissal: fade out over a second, bring the main window forward, close.
    void Image1Click(QObject* Sender);

    PictureLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;  // null once the fade-in has ended

protected:
    // A close request from the desktop: no fade-out, the main window stays where it is.
    void closeEvent(QCloseEvent* event) override;
    // Escape, Enter and Space dismiss it as a click does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyAlphaState();
    void placeAtFirstShowing();

    std::function<QWidget*()> currentMainWindow_;
    bool alphaBlend_ = true;
    unsigned char alphaBlendValue_ = 0;
    bool placed_ = false;
    QEventLoop* modalLoop_ = nullptr;
    ModalResult modalResult_ = ModalResult::None;
};

}  // namespace vexilor
