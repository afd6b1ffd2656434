#include "Unit1.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <set>
#include <vector>

#include "GridGeometry.h"
#include "ListingFile.h"
#include "ModalAnswer.h"
#include "PixelGrid.h"
#include "ScreenPixels.h"
#include "SpriteListing.h"

using vexilor::TForm1;
using vexilor::grid::cellRect;

namespace {

// Equal room left and right, above and below the window's outer rectangle on the X
// server, within the pixel that halving an odd size leaves over.
void expectCentredOnTheScreen(const QWidget& window) {
    const QRect screen(QPoint(0, 0), window.screen()->virtualSize());
    const QRect placed = outerRectOnScreen(window);
    EXPECT_LE(std::abs((placed.left() - screen.left()) - (screen.right() - placed.right())), 1)
        << placed.left() << " in " << screen.width();
    EXPECT_LE(std::abs((placed.top() - screen.top()) - (screen.bottom() - placed.bottom())), 1)
        << placed.top() << " in " << screen.height();
}

const QPushButton* buttonCalled(const QWidget& dialog, const QString& text) {
    for (const auto* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

class MainWindow : public testing::Test {
protected:
    MainWindow() {
        window = new TForm1([this](TForm1&) {
            vexilor::MainWindowServices services;
            services.showSplashModally = [this] { ++splashShown; };
            return services;
        });
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    ~MainWindow() override {
        delete vexilor::currentMainWindow();
        delete window.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename Widget = QWidget>
    Widget* child(const char* name) {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString label(const char* name) { return child<QLabel>(name)->text(); }
    void click(const char* buttonName) {
        QTest::mouseClick(child<QPushButton>(buttonName), Qt::LeftButton);
    }
    void pick(const char* boxName, const QString& entry) {
        auto* box = child<QComboBox>(boxName);
        box->showPopup();
        const QModelIndex index = box->model()->index(box->findText(entry), 0);
        QTest::mouseClick(box->view()->viewport(), Qt::LeftButton, {},
                          box->view()->visualRect(index).center());
    }
    void typeInto(const char* boxName, const QString& text) {
        QTest::keyClick(child(boxName), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(child(boxName), text);
    }
    void readyToPaint() {
        pick("ComboBox1", "16");
        pick("ComboBox2", "16");
        pick("ComboBox3", "5 - Зеленый");
        pick("ComboBox4", "0 - Черный");
        click("Button1");
    }
    void clickCell(Qt::MouseButton button, int column, int row) {
        QTest::mouseClick(child("StringGrid1"), button, {}, cellRect(column, row).center());
    }
    // The colour in the middle of a cell, as the screen shows it.
    QColor shownFill(int column, int row) {
        return onScreen(*child("StringGrid1")).pixelColor(cellRect(column, row).center());
    }
    // How many cells of the grid on the screen show the colour.
    int cellsShowing(const QColor& colour) {
        const QImage shown = onScreen(*child("StringGrid1"));
        int count = 0;
        for (int column = 0; column < 64; ++column)
            for (int row = 0; row < 64; ++row)
                count += shown.pixelColor(cellRect(column, row).center()) == colour;
        return count;
    }

    // A file dragged from a file manager and dropped on the window.
    void drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(window, &dropped);
    }

    QPointer<TForm1> window;
    int splashShown = 0;
};

}  // namespace

// The same keys, as the keyboard hands them to whatever has the focus, once with the
// width box's list closed and once with it dropped down: each edit runs the command once.
class TypingInTheWidthBox : public MainWindow {
protected:
    void press(QKeyCombination key) {
        QTest::keyClick(window->windowHandle(), key.key(), key.keyboardModifiers());
    }

    void typeStepsAndLeave(bool listOpen) {
        auto* box = child<QComboBox>("ComboBox1");
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        if (listOpen)
            press(Qt::Key_F4);
        ASSERT_EQ(box->view()->isVisible(), listOpen);
        QSignalSpy commands(box, SIGNAL(textChangedByUser(QString)));
        QApplication::clipboard()->setText(QStringLiteral("18"));

        const std::vector<std::pair<std::vector<QKeyCombination>, QString>> steps{
            {{Qt::CTRL | Qt::Key_A, Qt::Key_1}, "16x8"},  // completed, "6" selected
            {{Qt::Key_2}, "12x8"},                        // replaces the selected "6"
            {{Qt::Key_Backspace}, "1x8"},
            {{Qt::Key_Down}, "24x8"},  // the entry after the one chosen last
            {{Qt::Key_Up}, "16x8"},
            {{Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_V}, "18x8"},
            {{Qt::Key_Home, Qt::Key_Delete}, "8x8"}};
        for (const auto& [keys, size] : steps) {
            for (QKeyCombination key : keys)
                press(key);
            EXPECT_EQ(label("Label7"), "Размер: " + size);
        }
        EXPECT_EQ(commands.size(), qsizetype(steps.size()));
        EXPECT_EQ(box->view()->isVisible(), listOpen);
        if (listOpen) {
            EXPECT_EQ(box->view()->currentIndex().data().toString(), "8");
        }

        // Enter (closing the list on the entry it shows) and leaving the box run nothing,
        // though the text is now an entry that no step had chosen.
        press(Qt::Key_Return);
        EXPECT_FALSE(box->view()->isVisible());
        press(Qt::Key_Tab);
        EXPECT_EQ(window->focusWidget(), child("ComboBox2"));
        EXPECT_EQ(commands.size(), qsizetype(steps.size()));
        EXPECT_EQ(label("Label7"), "Размер: 8x8");
    }
};

TEST_F(TypingInTheWidthBox, CompletesStepsAndTakesBackWithTheListClosed) {
    typeStepsAndLeave(false);
}

TEST_F(TypingInTheWidthBox, CompletesStepsAndTakesBackWithTheListOpenAsWhenClosed) {
    typeStepsAndLeave(true);
}

TEST_F(MainWindow, TypingLettersAsTheWidthShowsTheErrorBoxAndChangesNothing) {
    pick("ComboBox1", "24");
    QStringList texts;
    ModalAnswer answer([&](QWidget& dialog) {
        auto& box = static_cast<QMessageBox&>(dialog);
        texts << box.windowTitle() + "|" + box.text();
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.buttons().size(), 1);
        expectCentredOnTheScreen(box);
        box.button(QMessageBox::Ok)->click();
    });
    typeInto("ComboBox1", "abc");
    ASSERT_EQ(texts.size(), 3);  // each typed letter runs the command
    EXPECT_EQ(texts.last(), "editor_tests|'abc' is not a valid integer value.");
    EXPECT_EQ(label("Label7"), "Размер: 24x8");
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentText(), "abc");
}

TEST_F(MainWindow, ANewUserPaintsASixteenBySixteenSpriteConvertsItAndClearsItAgain) {
    EXPECT_FALSE(child("StringGrid1")->isEnabled() || child("Panel17")->isVisible());
    readyToPaint();
    EXPECT_EQ(label("Label5"), "Кисть: 5 - Зеленый");
    EXPECT_TRUE(child("Panel17")->isVisible());
    const QColor darkGreen(0, 128, 0), brightGreen(0, 255, 0);
    EXPECT_EQ(onScreen(*child("Panel17")).pixelColor(12, 8), darkGreen);
    // A diagonal from corner to corner, a dot at the top right, one diagonal pixel
    // cleared again, and a press beyond the sprite that sets nothing.
    for (int step = 0; step < 16; ++step)
        clickCell(Qt::LeftButton, step, step);
    clickCell(Qt::LeftButton, 15, 0);
    clickCell(Qt::RightButton, 7, 7);
    clickCell(Qt::LeftButton, 16, 3);
    EXPECT_EQ(shownFill(3, 3), brightGreen);
    EXPECT_EQ(shownFill(7, 7), QColor(Qt::black));
    EXPECT_EQ(cellsShowing(brightGreen), 16);

    click("Button2");
    QStringList expected{"   A1: DATA 128, 64, 32, 16, 8, 4, 2, 0, ",
                         "   B1: DATA 1, 0, 0, 0, 0, 0, 0, 0, ",
                         "   A2: DATA 0, 0, 0, 0, 0, 0, 0, 0, ",
                         "   B2: DATA 128, 64, 32, 16, 8, 4, 2, 1, ",
                         "",
                         ""};
    for (int row = 0; row < 16; ++row) {
        QString digits(16, '0');
        if (row != 7)
            digits[row] = '1';
        if (row == 0)
            digits[15] = '1';
        expected << "    " + digits;
    }
    const QStringList shown = window->memo().toPlainText().split('\n');
    EXPECT_EQ(shown.mid(0, expected.size()), expected);
    // Two empty lines and the credits, each line ended by a line break.
    EXPECT_EQ(shown.size(), expected.size() + 2 + 3 + 1);
    EXPECT_EQ(shown.last(), "");
    // The listing box takes the focus from Tab and selects with the keys, but no typing.
    child("Button4")->setFocus();
    QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
    QTest::keyClick(window->windowHandle(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(window->windowHandle(), Qt::Key_X);
    EXPECT_EQ(window->memo().textCursor().selectedText(), shown[0] + QChar::ParagraphSeparator);
    EXPECT_EQ(window->memo().toPlainText().split('\n'), shown);
    EXPECT_TRUE(child("Button4")->isEnabled());

    // Clear again with the same background, from the button and, after painting, from
    // the menu: the screen keeps no set pixel, and Convert gives nothing but zeros.
    click("Button1");
    EXPECT_EQ(cellsShowing(brightGreen), 0);
    EXPECT_TRUE(window->memo().toPlainText().isEmpty());
    clickCell(Qt::LeftButton, 2, 5);
    EXPECT_EQ(cellsShowing(brightGreen), 1);
    child<QAction>("N8")->trigger();
    EXPECT_EQ(cellsShowing(brightGreen), 0);
    click("Button2");
    const QStringList zeros = window->listingLines();
    for (int line = 0; line < 4; ++line)
        EXPECT_TRUE(zeros[line].endsWith(": DATA 0, 0, 0, 0, 0, 0, 0, 0, "))
            << zeros[line].toStdString();
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(zeros[6 + row], "    " + QString(16, '0'));

    // A sprite of no rows is two empty lines, both in the box.
    typeInto("ComboBox2", "0");
    child<QAction>("N9")->trigger();
    EXPECT_EQ(window->memo().toPlainText(), "\n\n");
}

// Also registered to run under GNOME and KDE (CMakeLists.txt), whose themes order a
// dialog's buttons differently, and under a window manager, which frames the windows.
TEST_F(MainWindow, NoToTheCloseQuestionKeepsEverythingAndYesClosesTheWindow) {
    readyToPaint();
    click("Button2");
    const QStringList listing = window->listingLines();
    expectCentredOnTheScreen(*window);
    // Away from the middle, where a box centred on the window would stand apart from one
    // centred on the screen.
    window->move(0, 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->frameGeometry().topLeft().isNull(); }));
    {
        ModalAnswer no([](QWidget& box) {
            EXPECT_EQ(static_cast<QMessageBox&>(box).text(), "Вы действительно ходите закрыть?");
            EXPECT_EQ(box.windowTitle(), "Information");
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
            expectCentredOnTheScreen(box);
            const auto* yes = buttonCalled(box, "&Yes");
            const auto* no = buttonCalled(box, "&No");
            ASSERT_TRUE(yes && no);
            EXPECT_LT(yes->mapToGlobal(QPoint()).x(), no->mapToGlobal(QPoint()).x());
            EXPECT_EQ(box.focusWidget(), yes);
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        child<QAction>("N10")->trigger();
        ASSERT_EQ(no.dialogsSeen(), 1);
    }
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->listingLines(), listing);
    EXPECT_EQ(label("Label7"), "Размер: 16x16");
    EXPECT_TRUE(child("Button4")->isEnabled());

    ModalAnswer yes([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Return); });
    window->close();
    EXPECT_EQ(yes.dialogsSeen(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(vexilor::currentMainWindow(), nullptr);
}

// Scrolling past a box changes nothing; the box with the focus steps with the wheel as
// with the arrow keys. Wheel and click come in turn through the X server.
TEST_F(MainWindow, OnlyTheBoxWithTheFocusTakesTheMouseWheel) {
    pick("ComboBox1", "16");
    QSignalSpy commands(child("ComboBox2"), SIGNAL(textChangedByUser(QString)));
    const QPoint at = child("ComboBox2")->mapToGlobal(QPoint(20, 10));
    QProcess::execute("xdotool", QString("mousemove %1 %2 click 5 click 5 click 1 click 5 click 5")
                                     .arg(at.x())
                                     .arg(at.y())
                                     .split(' '));
    EXPECT_TRUE(QTest::qWaitFor([&] { return commands.size() >= 2; }));
    QGuiApplication::sync();
    EXPECT_EQ(commands.size(), 2);
    EXPECT_EQ(label("Label7"), "Размер: 16x16");
}

TEST_F(MainWindow, ExitWithoutSavingEndsTheProgramAskingNothing) {
    ModalAnswer anyBox([](QWidget& box) { box.close(); });
    QTimer::singleShot(0, [this] { click("Button5"); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(anyBox.dialogsSeen(), 0);
}

TEST_F(MainWindow, NewGivesAFreshWindowInTheStartState) {
    readyToPaint();
    clickCell(Qt::LeftButton, 4, 4);
    click("Button2");
    child<QAction>("N4")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    window = vexilor::currentMainWindow();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(splashShown, 2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(cellsShowing(Qt::white), 64 * 64 - 1) << "all clear but the highlighted (0, 0)";

    EXPECT_EQ(label("Label7") + label("Label5") + label("Label6"), "Размер:Кисть:Фон: ");
    for (const auto* shown : window->findChildren<QLabel*>())
        EXPECT_GE(shown->width(), shown->sizeHint().width())
            << "clipped: " << shown->text().toStdString();
    EXPECT_TRUE(child("ComboBox1")->isEnabled());
    EXPECT_FALSE(child("ComboBox2")->isEnabled() || child("Button1")->isEnabled());
    EXPECT_TRUE(window->memo().toPlainText().isEmpty());
    EXPECT_TRUE(window->listingLines().isEmpty());
}

TEST_F(MainWindow, ADroppedListingOrPictureOpensReadyToPaintAndAFileWithoutASpriteChangesNothing) {
    QTemporaryDir folder;
    vexilor::SpriteStore hero;  // 16 x 16, the diagonal from the bottom left
    hero.setWidthFromText("16");
    hero.setHeightFromText("16");
    for (int i = 0; i < 16; ++i)
        hero.setPixel(i, 15 - i, 1);
    QStringList lines;
    for (const auto& line : vexilor::makeListing(hero, true))
        lines << QString::fromStdString(line);
    ASSERT_TRUE(writeFile(folder.filePath("hero.txt"), vexilor::listingFileBytes(lines)));
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(11, 7, qRgb(0, 0, 0));
    ASSERT_TRUE(picture.save(folder.filePath("hero.png")));
    ASSERT_TRUE(writeFile(folder.filePath("broken.txt"), "   A1: DATA 1, 2\r\n"));

    // What the user sees after each file: the size, the colours, and the set pixels.
    struct Step {
        const char* file;
        QString size, brush;
        QColor fill;
        int cellsSet;
    };
    const QColor brightGreen(0, 255, 0);
    const Step steps[] = {
        {"hero.png", "12x8", "0 - Черный", Qt::black, 2},       // colours unchosen: black on white
        {"hero.txt", "16x16", "5 - Зеленый", brightGreen, 16},  // the user's brush stays
        {"broken.txt", "16x16", "5 - Зеленый", brightGreen, 16},
    };
    QStringList errors;
    ModalAnswer answer([&](QWidget& box) {
        errors << static_cast<QMessageBox&>(box).text();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    for (const Step& step : steps) {
        if (step.brush.startsWith('5'))
            pick("ComboBox3", step.brush);
        drop(folder.filePath(step.file));
        EXPECT_EQ(label("Label7"), "Размер: " + step.size) << step.file;
        EXPECT_EQ(child<QComboBox>("ComboBox1")->currentText() + "x" +
                      child<QComboBox>("ComboBox2")->currentText(),
                  step.size);
        EXPECT_EQ(child<QComboBox>("ComboBox3")->currentText(), step.brush);
        EXPECT_EQ(label("Label6"), "Фон: 7 - Белый");
        EXPECT_EQ(cellsShowing(step.fill), step.cellsSet) << step.file;
        EXPECT_TRUE(child("StringGrid1")->isEnabled());
        EXPECT_TRUE(window->memo().toPlainText().isEmpty());
    }
    EXPECT_EQ(shownFill(0, 15), brightGreen);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(
        errors[0].startsWith("Cannot open file \"" + folder.filePath("broken.txt") + "\". line "))
        << errors[0].toStdString();
}

// The menu's items and the keys as the user uses them, the grid read back from the screen.
TEST_F(MainWindow, EditingStepsUndoneAndRedoneAndACopyPastedIntoANewWindowShowAsOnPaper) {
    readyToPaint();  // 16 x 16, green on black
    const auto menuItem = [this](const char* name) { child<QAction>(name)->trigger(); };
    const auto keys = [this](QKeyCombination key) {
        QTest::keyClick(window->windowHandle(), key.key(), key.keyboardModifiers());
    };
    const auto shownSet = [this] {
        std::set<std::pair<int, int>> set;
        const QImage shown = onScreen(*child("StringGrid1"));
        for (int column = 0; column < 16; ++column)
            for (int row = 0; row < 16; ++row)
                if (shown.pixelColor(cellRect(column, row).center()) == QColor(0, 255, 0))
                    set.insert({column, row});
        return set;
    };
    using Cells = std::set<std::pair<int, int>>;
    for (auto [column, row] : Cells{{1, 2}, {3, 2}, {5, 7}})
        clickCell(Qt::LeftButton, column, row);
    const std::pair<std::function<void()>, Cells> steps[] = {
        {[&] { menuItem("MirrorLeftRight"); }, {{14, 2}, {12, 2}, {10, 7}}},
        {[&] { menuItem("ShiftRight"); }, {{15, 2}, {13, 2}, {11, 7}}},
        {[&] { keys(Qt::CTRL | Qt::Key_Z); }, {{14, 2}, {12, 2}, {10, 7}}},
        {[&] { menuItem("Undo"); }, {{1, 2}, {3, 2}, {5, 7}}},
        {[&] { keys(Qt::CTRL | Qt::Key_Z); }, {{1, 2}, {3, 2}}},
        {[&] { keys(Qt::CTRL | Qt::Key_Y); }, {{1, 2}, {3, 2}, {5, 7}}},
    };
    for (const auto& [step, expected] : steps) {
        step();
        EXPECT_EQ(shownSet(), expected);
    }
    EXPECT_EQ(child<QAction>("Undo")->text() + child<QAction>("Redo")->text(), "ОтменитьПовторить");

    child("StringGrid1")->setFocus();
    keys(Qt::CTRL | Qt::Key_C);
    child<QAction>("N4")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window = vexilor::currentMainWindow();
    ASSERT_TRUE(window);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_FALSE(child<QAction>("Undo")->isEnabled()) << "New forgets the history";
    readyToPaint();
    child("StringGrid1")->setFocus();
    keys(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(shownSet(), (Cells{{1, 2}, {3, 2}, {5, 7}}));
}

// What a screen reader hears of the grid's cells, as Qt's accessibility is told it in a
// session where one listens (tests/CMakeLists.txt).
std::vector<std::pair<QAccessible::Event, QString>> heardOfCells;

void hearCells(QAccessibleEvent* event) {
    QAccessibleInterface* object = event->accessibleInterface();
    if (object != nullptr && object->role() == QAccessible::Cell)
        heardOfCells.emplace_back(event->type(), object->text(QAccessible::Name));
}

TEST_F(MainWindow, AScreenReaderHearsEachPaintedPixelAndMoveAndFindsTheControlsNamed) {
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }))
        << "this test needs a session where a screen reader listens; run it through ctest";
    const auto previousHandler = QAccessible::installUpdateHandler(hearCells);
    readyToPaint();
    const auto accessible = [this](const char* name) {
        return QAccessible::queryAccessibleInterface(child(name));
    };
    QAccessibleTableInterface* table = accessible("StringGrid1")->tableInterface();
    ASSERT_NE(table, nullptr);
    const QString cell = "B1, столбец 3, строка 5", below = "B1, столбец 3, строка 6";
    const struct {
        std::function<void()> step;
        std::vector<std::pair<QAccessible::Event, QString>> heard;
        bool set;  // the pixel of the cell
    } steps[] = {
        {[&] { clickCell(Qt::LeftButton, 10, 4); },
         {{QAccessible::StateChanged, cell}, {QAccessible::Focus, cell}},
         true},
        {[&] { QTest::keyClick(child("StringGrid1"), Qt::Key_Down); },
         {{QAccessible::Focus, below}},
         true},
        {[&] { clickCell(Qt::RightButton, 10, 4); }, {{QAccessible::StateChanged, cell}}, false},
    };
    for (const auto& [step, heard, set] : steps) {
        heardOfCells.clear();
        step();
        QCoreApplication::processEvents();
        EXPECT_EQ(heardOfCells, heard);
        EXPECT_EQ(table->cellAt(4, 10)->state().checked, set);
    }
    QAccessible::installUpdateHandler(previousHandler);

    EXPECT_EQ(table->cellAt(5, 10)->state().focused, true);
    for (const auto& [control, name] : {std::pair{"StringGrid1", "Пиксели спрайта"},
                                        {"Memo1", "Листинг"},
                                        {"Panel17", "Цвет кисти"},
                                        {"Panel18", "Цвет фона"}})
        EXPECT_EQ(accessible(control)->text(QAccessible::Name), name);
    for (const auto& [label, box] :
         {std::pair{"Label5", "ComboBox3"}, {"Label6", "ComboBox4"}, {"Label7", "ComboBox1"}}) {
        const auto labelled = accessible(label)->relations(QAccessible::Labelled);
        ASSERT_EQ(labelled.size(), 1) << label;
        EXPECT_EQ(labelled.front().first, accessible(box)) << label;
    }
}
