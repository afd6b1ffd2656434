#include "Unit2.h"

#include <chrono>

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPixmap>
#include <QPointer>
#include <QScopeGuard>
#include <QTimer>

#include "Failure.h"
#include "PictureLabel.h"
#include "ScreenPlacement.h"
#include "TitlePicture.h"
#include "WindowAlpha.h"

namespace vexilor {
namespace {

constexpr int tickMilliseconds = 5;
constexpr unsigned char fadeStep = 5;
constexpr auto fadeOutDuration = std::chrono::milliseconds(1000);

// Disables every other visible, enabled top-level window and answers them, so that
// they can be enabled again when the modal run ends.
QList<QPointer<QWidget>> disableOtherWindows(const QWidget& modal) {
    QList<QPointer<QWidget>> disabled;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == &modal || !window->isVisible() || !window->isEnabled())
            continue;
        window->setEnabled(false);
        disabled.append(window);
    }
    return disabled;
}

}  // namespace

TForm2::TForm2(std::function<QWidget*()> currentMainWindow)
    // A frameless tool window: no taskbar entry, and on X11 it belongs to the program's
    // group of windows rather than to one main window. (Qt's own splash-screen type
    // would handle pending events whenever it is shown, which ticks must not see.)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      currentMainWindow_(std::move(currentMainWindow)) {
    setWindowTitle(QStringLiteral("Form2"));
    // Closing the main window ends the program even while this one is on the screen.
    setAttribute(Qt::WA_QuitOnClose, false);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setAutoFillBackground(true);
    // It takes the keyboard whenever it is shown, so that the keys can dismiss it.
    setFocusPolicy(Qt::StrongFocus);

    const QImage picture = loadTitlePicture();
    Image1 = new PictureLabel(this);
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->setGeometry(QRect(QPoint(0, 0), picture.size()));
    setFixedSize(picture.size());
    connect(Image1, &PictureLabel::clicked, this, [this] { Image1Click(Image1); });

    // Qt keeps the opacity and gives it to the platform window when that is created,
    // so the window is transparent from the moment it exists.
    applyAlphaState();

    Timer1 = new QTimer(this);
    Timer1->setInterval(tickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });
    Timer1->start();
    if (Timer1->timerId() <= 0)
        throw Failure("Not enough timers available");
}

TForm2::~TForm2() = default;

void TForm2::setAlphaBlend(bool on) {
    alphaBlend_ = on;
    applyAlphaState();
}

void TForm2::setAlphaBlendValue(unsigned char value) {
    alphaBlendValue_ = value;
    applyAlphaState();
}

void TForm2::applyAlphaState() {
    if (alphaBlend_)
        setWindowAlpha(*this, alphaBlendValue_);
    else
        clearWindowAlpha(*this);
}

void TForm2::Timer1Timer(QObject* /*Sender*/) {
    setAlphaBlendValue(static_cast<unsigned char>(alphaBlendValue_ + fadeStep));
    if (alphaBlendValue_ != 255 || Timer1 == nullptr)
        return;
    // Stopped at once so that no further tick arrives; the object itself goes when
    // control is back in the event loop, since its own signal is calling us.
    Timer1->stop();
    Timer1->deleteLater();
    Timer1 = nullptr;
    setAlphaBlend(false);
}

void TForm2::Image1Click(QObject* /*Sender*/) {
    fadeOutAndHide(*this, fadeOutDuration);
    if (QWidget* mainWindow = currentMainWindow_ ? currentMainWindow_() : nullptr)
        bringToFront(*mainWindow);
    Close();
}

void TForm2::Close() {
    if (modalLoop_ == nullptr) {
        hide();
        return;
    }
    modalResult_ = ModalResult::Cancel;
    modalLoop_->exit();
}

void TForm2::closeEvent(QCloseEvent* event) {
    Close();
    // Accepted: the window is hidden either way, and the end of the program, which
    // first asks every window to close, must never be refused here.
    event->accept();
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    const bool dismissing = event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
                            event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (!dismissing) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A key held down dismisses once.
    if (!event->isAutoRepeat())
        Image1Click(this);
}

void TForm2::placeAtFirstShowing() {
    if (placed_)
        return;
    move(centredOnVirtualScreen(size()));
    placed_ = true;
}

void TForm2::Show() {
    placeAtFirstShowing();
    setFocus();
    bringToFront(*this);
}

TForm2::ModalResult TForm2::ShowModal() {
    if (isVisible())
        throw Failure("Cannot make a visible window modal");
    const QList<QPointer<QWidget>> disabled = disableOtherWindows(*this);
    QEventLoop loop;
    modalLoop_ = &loop;
    const auto endOfRun = qScopeGuard([this, &disabled] {
        modalLoop_ = nullptr;
        hide();
        for (const QPointer<QWidget>& window : disabled)
            if (window)
                window->setEnabled(true);
    });
    modalResult_ = ModalResult::None;
    placeAtFirstShowing();
    setFocus();
    bringToFront(*this);
    // Close gives the run its result and ends the loop. The end of the program stops
    // every loop without a result; that counts as Cancel too.
    if (modalResult_ == ModalResult::None)
        loop.exec(QEventLoop::DialogExec);
    return ModalResult::Cancel;
}

}  // namespace vexilor
