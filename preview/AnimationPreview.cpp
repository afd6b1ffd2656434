#include "AnimationPreview.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace vexilor {

// The frame's picture, scaled by the largest whole factor that fits, pixels kept square
// and sharp, centred on a neutral ground.
class AnimationPreview::Picture : public QWidget {
public:
    explicit Picture(QWidget* parent) : QWidget(parent) {
        setMinimumSize(256, 256);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void show(QImage image) {
        image_ = std::move(image);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Mid));
        if (image_.isNull() || image_.width() == 0 || image_.height() == 0)
            return;
        const int scale =
            std::max(1, std::min(width() / image_.width(), height() / image_.height()));
        const QSize size = image_.size() * scale;
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2),
                           size);
        painter.drawImage(target, image_);
    }

private:
    QImage image_;
};

AnimationPreview::AnimationPreview(AnimationSource source, QWidget* owner)
    : QWidget(owner, Qt::Window), source_(std::move(source)) {
    setObjectName(QStringLiteral("AnimationPreview"));
    setWindowTitle(QStringLiteral("Просмотр анимации"));
    setAttribute(Qt::WA_DeleteOnClose);

    picture_ = new Picture(this);
    picture_->setAccessibleName(QStringLiteral("Анимация"));
    speed_ = new QSpinBox(this);
    speed_->setObjectName(QStringLiteral("Speed"));
    speed_->setRange(kSlowest, kFastest);
    speed_->setValue(kFirstSpeed);
    auto* speedLabel = new QLabel(QStringLiteral("Кадров в секунду:"), this);
    speedLabel->setBuddy(speed_);
    speed_->setAccessibleName(QStringLiteral("Кадров в секунду"));

    auto* controls = new QFormLayout;
    controls->addRow(speedLabel, speed_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_, 1);
    layout->addLayout(controls);

    connect(speed_, &QSpinBox::valueChanged, this,
            [this](int speed) { timer_.setInterval(1000 / speed); });
    connect(&timer_, &QTimer::timeout, this, &AnimationPreview::step);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.start(1000 / kFirstSpeed);
    refresh();
}

int AnimationPreview::framesPerSecond() const {
    return speed_->value();
}

void AnimationPreview::setFramesPerSecond(int speed) {
    speed_->setValue(speed);
}

void AnimationPreview::refresh() {
    const int count = source_.frameCount();
    if (count <= 0)
        return;
    shownFrame_ %= count;
    picture_->show(source_.frameImage(shownFrame_));
}

void AnimationPreview::step() {
    const int count = source_.frameCount();
    if (count <= 0)
        return;
    shownFrame_ = (shownFrame_ + 1) % count;
    refresh();
}

void AnimationPreview::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace vexilor
