#include "Unit1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSessionManager>
#include <QShowEvent>

#include "CloseQuestion.h"
#include "ConvertQuestion.h"
#include "DiscardQuestion.h"
#include "EditableDropDown.h"
#include "ErrorBox.h"
#include "Failure.h"
#include "FramePlacement.h"
#include "HelpPage.h"
#include "HelpWindow.h"
#include "LabelText.h"
#include "OpeningFailure.h"
#include "PixelGrid.h"
#include "ScreenPlacement.h"
#include "ScreenReaderNames.h"
#include "SpriteFile.h"

// Resources of a static library have to be registered by hand, outside any namespace.
static void registerEditorResources() {
    Q_INIT_RESOURCE(editor);
}

namespace vexilor {

namespace {

TForm1*& mainWindowSlot() {
    static TForm1* Form1 = nullptr;
    return Form1;
}

// The classic 8-point dialog font; where the machine lacks it, a sans-serif with the
// same widths stands in so that every caption still fits its control.
QFont windowFont() {
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)substituted;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}

QIcon programIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/vexilor-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/vexilor-32.png"), QSize(32, 32));
    return icon;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

// The one local file that a drag carries, or an empty text.
QString draggedFile(const QMimeData* data) {
    const QList<QUrl> urls = data != nullptr ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

}  // namespace

TForm1* currentMainWindow() {
    return mainWindowSlot();
}

TForm1::TForm1(MainWindowServicesFactory servicesFactory, QWidget* parent)
    : QMainWindow(parent),
      servicesFactory_(std::move(servicesFactory)),
      commands_(programFolder()) {
    registerEditorResources();
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    showTitle();
    setWindowIcon(programIcon());
    // Fixed single border: a minimise box, no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(windowFont());

    createControls();
    createMenu();
    orderTabStops();
    nameControlsForScreenReaders(*this);
    bindControls();
    connectHandlers();
    showControls();
    showListing();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    if (!mainWindowSlot())
        mainWindowSlot() = this;
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TForm1::askBeforeLogOff);
    if (servicesFactory_)
        services_ = servicesFactory_(*this);
}

TForm1::~TForm1() {
    if (mainWindowSlot() == this)
        mainWindowSlot() = nullptr;
}

void TForm1::bindControls() {
    using C = MainWindowControls;
    widgetBindings_ = {
        {&C::ComboBox1, ComboBox1}, {&C::ComboBox2, ComboBox2},     {&C::ComboBox3, ComboBox3},
        {&C::ComboBox4, ComboBox4}, {&C::Panel17, Panel17},         {&C::Panel18, Panel18},
        {&C::Label5, Label5},       {&C::Label6, Label6},           {&C::Label7, Label7},
        {&C::Label8, Label8},       {&C::StringGrid1, StringGrid1}, {&C::Memo1, Memo1},
        {&C::Button1, Button1},     {&C::Button2, Button2},         {&C::Button3, Button3},
        {&C::Button4, Button4},     {&C::Button5, Button5}};
    boxBindings_ = {{&C::ComboBox1, ComboBox1},
                    {&C::ComboBox2, ComboBox2},
                    {&C::ComboBox3, ComboBox3},
                    {&C::ComboBox4, ComboBox4}};
    labelBindings_ = {
        {&C::Label5, Label5}, {&C::Label6, Label6}, {&C::Label7, Label7}, {&C::Label8, Label8}};
    actionBindings_ = {{&C::N4, N4}, {&C::N5, N5},   {&C::N6, N6},   {&C::N7, N7},  {&C::N8, N8},
                       {&C::N9, N9}, {&C::N10, N10}, {&C::N11, N11}, {&C::N12, N12}};
}

void TForm1::connectHandlers() {
    connect(&commands_, &EditorCommands::controlsChanged, this, &TForm1::showControls);
    connect(&commands_, &EditorCommands::listingChanged, this, &TForm1::showListing);
    connect(&commands_, &EditorCommands::documentChanged, this, &TForm1::showTitle);
    connect(ComboBox1, &EditableDropDown::textChangedByUser, this, &TForm1::ComboBox1Change);
    connect(ComboBox2, &EditableDropDown::textChangedByUser, this, &TForm1::ComboBox2Change);
    connect(ComboBox3, &EditableDropDown::textChangedByUser, this, &TForm1::ComboBox3Change);
    connect(ComboBox4, &EditableDropDown::textChangedByUser, this, &TForm1::ComboBox4Change);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(N4, &QAction::triggered, this, &TForm1::N4Click);
    connect(N6, &QAction::triggered, this, &TForm1::N6Click);
    connect(N7, &QAction::triggered, this, &TForm1::N7Click);
    connect(N8, &QAction::triggered, this, &TForm1::N8Click);
    connect(N9, &QAction::triggered, this, &TForm1::N9Click);
    connect(N10, &QAction::triggered, this, &TForm1::N10Click);
    connect(N11, &QAction::triggered, this, &TForm1::N11Click);
    connect(N12, &QAction::triggered, this, &TForm1::N12Click);
    connect(exportItem_, &QAction::triggered, this, &TForm1::exportSprite);
}

// Brings every widget in line with the logic. A box whose text is already the one the
// logic holds is left alone, so that typing keeps its completion and selection; the grid
// follows the commands itself.
void TForm1::showControls() {
    const MainWindowControls& state = commands_.controls();
    for (const auto& [control, box] : boxBindings_) {
        if (box->currentText() != (state.*control).text)
            box->setTextQuietly((state.*control).text);
    }
    for (const auto& [control, widget] : widgetBindings_) {
        const ControlState& wanted = state.*control;
        widget->setEnabled(wanted.enabled);
        widget->setVisible(wanted.visible);
    }
    for (const auto& [control, action] : actionBindings_) {
        action->setEnabled((state.*control).enabled);
        action->setVisible((state.*control).visible);
    }
    for (const auto& [control, label] : labelBindings_) {
        if (setLabelCaption(*label, (state.*control).text))
            label->adjustSize();
    }
    exportItem_->setEnabled(state.editing.enabled);
    setBackground(Panel17, state.Panel17.colour);
    setBackground(Panel18, state.Panel18.colour);
}

// Every line ended by a line break, so that a listing ending in an empty line shows
// (and prints) that line too.
void TForm1::showListing() {
    QString text;
    for (const QString& line : commands_.listingLines())
        text += line + u'\n';
    Memo1->setPlainText(text);
}

void TForm1::openFile(const QString& path) {
    runGuarded([&] {
        SpriteDocument sprite;
        try {
            sprite = readSpriteFile(path);
        } catch (const Failure& failure) {
            throw Failure(openingFailureMessage(path, failure).toStdString());
        }
        // Named before the views that follow the sprite are told of it.
        openedFileName_ = QFileInfo(path).fileName();
        commands_.openSprite(sprite);
    });
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openFile(path);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Un-minimising also delivers a show event; the window is shown only once.
    if (!shownBefore_ && !event->spontaneous()) {
        shownBefore_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    placeByOuterSize(*this, centredOnVirtualScreen);
    // Runs before the window is mapped, so the splash window's modal run keeps the
    // main window off the screen until the splash has been clicked away.
    runGuarded(services_.showSplashModally);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_ && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    if (printing_) {
        // Closing destroys the window, whose print is still running: it closes once the
        // print has ended, without asking again.
        event->ignore();
        afterPrint_ = [this] {
            closeConfirmed_ = true;
            close();
        };
        return;
    }
    event->accept();
    QMainWindow::closeEvent(event);
    // The main window's closing ends the program even with the About window still open.
    if (currentMainWindow() == this)
        QCoreApplication::exit(0);
}

bool TForm1::FormCloseQuery() {
    return askCloseQuestion(this);
}

void TForm1::askBeforeLogOff(QSessionManager& manager) {
    if (currentMainWindow() != this || !manager.allowsInteraction())
        return;
    const bool closing = askCloseQuestion(this);
    manager.release();
    if (!closing)
        manager.cancel();
}

void TForm1::ComboBox1Change(const QString& text) {
    runGuarded([&] { commands_.chooseWidth(text); });
}

void TForm1::ComboBox2Change(const QString& text) {
    runGuarded([&] { commands_.chooseHeight(text); });
}

void TForm1::ComboBox3Change(const QString& text) {
    runGuarded([&] { commands_.chooseBrush(text); });
}

void TForm1::ComboBox4Change(const QString& text) {
    runGuarded([&] { commands_.chooseBackground(text); });
}

void TForm1::Button1Click() {
    runGuarded([&] { commands_.clear(EditorCommands::From::Button); });
}

void TForm1::N8Click() {
    runGuarded([&] { commands_.clear(EditorCommands::From::Menu); });
}

void TForm1::Button2Click() {
    runGuarded([&] { commands_.convert(EditorCommands::From::Button); });
}

void TForm1::N9Click() {
    runGuarded([&] { commands_.convert(EditorCommands::From::Menu); });
}

void TForm1::Button3Click() {
    saveListing();
}

void TForm1::N6Click() {
    saveListing();
}

void TForm1::saveListing() {
    runGuarded([this] {
        if (bringListingUpToDate(this, commands_, ListingUse::Save) && services_.save &&
            services_.save())
            commands_.listingSaved();
    });
}

void TForm1::Button4Click() {
    printListing();
}

void TForm1::N7Click() {
    printListing();
}

// The print handles the window's events while it runs, so the window stays usable; what
// would destroy the window meanwhile waits in afterPrint_ until the print has ended.
void TForm1::printListing() {
    bool goOn = false;
    runGuarded([&] { goOn = bringListingUpToDate(this, commands_, ListingUse::Print); });
    if (!goOn)
        return;
    const bool outermost = !printing_;
    printing_ = true;
    runGuarded(services_.print);
    if (!outermost)
        return;
    printing_ = false;
    if (afterPrint_)
        std::exchange(afterPrint_, {})();
}

void TForm1::Button5Click() {
    // Ends the program as soon as control is back in the loop, without any question.
    runGuarded([] { QCoreApplication::exit(0); });
}

void TForm1::N4Click() {
    if (printing_) {
        afterPrint_ = [this] { N4Click(); };
        return;
    }
    if (commands_.hasUnsavedWork() && !askToDiscardWork(this))
        return;
    runGuarded([this] {
        auto* next = new TForm1(servicesFactory_);
        mainWindowSlot() = next;
        hide();
        next->show();
        // This window's own handler is still on the stack: it goes once control is
        // back in the event loop.
        deleteLater();
    });
}

void TForm1::N10Click() {
    runGuarded([this] { close(); });
}

void TForm1::N11Click() {
    runGuarded([this] {
        const QString page = findHelpPage(programFolder());
        // Where no browser can be started, the page shows in a window of the program's.
        if (!page.isEmpty() && !openInBrowser(QUrl::fromLocalFile(page)))
            showHelpWindow(*this, page);
    });
}

void TForm1::N12Click() {
    runGuarded(services_.showAbout);
}

void TForm1::previewAnimation() {
    runGuarded(services_.showAnimationPreview);
}

void TForm1::exportSprite() {
    runGuarded(services_.showExport);
}

void TForm1::showTitle() {
    QString title = QStringLiteral("Vexilor ver.2.0");
    const int count = commands_.document().frameCount();
    if (count > 1) {
        title += QStringLiteral(" — Кадр %1 из %2").arg(commands_.shownFrame() + 1).arg(count);
    }
    if (windowTitle() != title)
        setWindowTitle(title);
}

}  // namespace vexilor
