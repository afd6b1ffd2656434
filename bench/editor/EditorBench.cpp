// How long the main window takes from its creation to its first painted frame, beside
// a plain QMainWindow with the same kinds and number of standard widgets. Runs on the
// offscreen platform, so the figures are the program's own work, not the display's.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

#include "Unit1.h"

namespace {

// Notes the first paint event of any widget inside one window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    ~FirstPaint() override { qApp->removeEventFilter(this); }

    void waitForIt() {
        while (!painted_)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_)
            painted_ = true;
        return false;
    }

private:
    QWidget& window_;
    bool painted_ = false;
};

void showUntilPainted(QWidget& window) {
    FirstPaint firstPaint(window);
    window.show();
    firstPaint.waitForIt();
}

// The same widgets as the main window, placed by hand, with nothing behind them.
std::unique_ptr<QMainWindow> plainWindow() {
    auto window = std::make_unique<QMainWindow>();
    for (const char* title : {"Файл", "Редактирование", "Справка"}) {
        QMenu* menu = window->menuBar()->addMenu(QString::fromUtf8(title));
        for (int i = 0; i < 3; ++i)
            menu->addAction(QStringLiteral("Пункт"));
    }
    auto* client = new QWidget;
    client->setFixedSize(865, 633);
    window->setCentralWidget(client);
    new QFrame(client);
    for (int i = 0; i < 4; ++i)
        (new QLabel(QStringLiteral("Размер:"), client))->move(8 + 100 * i, 614);
    auto* grid = new QWidget(client);
    grid->setGeometry(24, 24, 577, 577);
    QGroupBox* groups[3];
    for (int i = 0; i < 3; ++i) {
        groups[i] = new QGroupBox(QStringLiteral("Группа"), client);
        groups[i]->setGeometry(608, 60 * i, 241, 55);
    }
    for (int i = 0; i < 4; ++i) {
        auto* box = new QComboBox(groups[i / 2]);
        box->setEditable(true);
        box->addItems({"8", "16", "24", "32", "64"});
        box->setGeometry(8 + 100 * (i % 2), 16, 81, 21);
    }
    for (int i = 0; i < 4; ++i)
        new QLabel(QStringLiteral("точек"), groups[i / 2]);
    for (int i = 0; i < 2; ++i)
        new QFrame(groups[1]);
    for (int i = 0; i < 4; ++i)
        new QPushButton(QStringLiteral("Очистить"), groups[2]);
    for (int i = 0; i < 16; ++i) {
        auto* panel = new QLabel(QStringLiteral("A"), client);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setGeometry(i < 8 ? 24 + 72 * i : 0, i < 8 ? 0 : 24 + 72 * (i - 8), 25, 25);
    }
    (new QPlainTextEdit(client))->setGeometry(608, 232, 241, 337);
    (new QPushButton(QStringLiteral("Выйти без сохранения"), client))
        ->setGeometry(608, 576, 241, 25);
    return window;
}

void BM_MainWindowToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        vexilor::TForm1 window({});
        showUntilPainted(window);
    }
}
BENCHMARK(BM_MainWindowToFirstFrame)->Unit(benchmark::kMillisecond);

void BM_PlainWindowToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        auto window = plainWindow();
        showUntilPainted(*window);
    }
}
BENCHMARK(BM_PlainWindowToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
