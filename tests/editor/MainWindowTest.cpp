#include "Unit1.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
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
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
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
            // What Save and Print would write: the listing at that moment.
            services.save = [this] {
                outputs << "saved:" + vexilor::currentMainWindow()->memo().toPlainText();
                return true;
            };
            services.print = [this] {
                outputs << "printed:" + vexilor::currentMainWindow()->memo().toPlainText();
            };
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
    // The cells of the 16 x 16 sprite that the screen shows in bright green.
    using Cells = std::set<std::pair<int, int>>;
    Cells shownSet() {
        Cells set;
        const QImage shown = onScreen(*child("StringGrid1"));
        for (int column = 0; column < 16; ++column)
            for (int row = 0; row < 16; ++row)
                if (shown.pixelColor(cellRect(column, row).center()) == QColor(0, 255, 0))
                    set.insert({column, row});
        return set;
    }
    // Keys as the keyboard hands them to whatever has the focus.
    void keys(QKeyCombination key) {
        QTest::keyClick(window->windowHandle(), key.key(), key.keyboardModifiers());
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

    // Answers each message box with its button of that text, or with Esc where it has
    // none; keeps the box's text, its buttons left to right and the one with the focus.
    std::unique_ptr<ModalAnswer> answerWith(const QString& answer) {
        return std::make_unique<ModalAnswer>([this, answer](QWidget& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            QList<QAbstractButton*> buttons = box.buttons();
            std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) {
                return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
            });
            QStringList seen{box.text()};
            for (const QAbstractButton* shown : buttons)
                seen << shown->text() + (shown->hasFocus() ? "*" : "");
            asked << seen.join('|');
            if (const QPushButton* chosen = buttonCalled(box, answer))
                QTest::mouseClick(const_cast<QPushButton*>(chosen), Qt::LeftButton);
            else
                QTest::keyClick(&box, Qt::Key_Escape);
        });
    }
    // Once a message box has gone: the test's X server has no window manager to hand the
    // window the keyboard back, as a desktop does.
    bool activeAgain() {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
    void newWindow() {
        child<QAction>("N4")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window = vexilor::currentMainWindow();
    }

    QPointer<TForm1> window;
    int splashShown = 0;
    QStringList outputs;  // what Save and Print took
    QStringList asked;    // the questions answered by answerWith
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
            keys(Qt::Key_F4);
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
        keys(Qt::Key_Return);
        EXPECT_FALSE(box->view()->isVisible());
        keys(Qt::Key_Tab);
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
    const auto yes = answerWith("Да");
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
    hero.setSize(16, 16);
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
    ASSERT_TRUE(writeFile(folder.filePath("empty.txt"), ""));
    ASSERT_TRUE(picture.scaled(65, 8).save(folder.filePath("wide.png")));

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
        {"empty.txt", "16x16", "5 - Зеленый", brightGreen, 16},
        {"wide.png", "16x16", "5 - Зеленый", brightGreen, 16},
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
    // In the window's language, naming the file and what is wrong with it.
    const auto named = [&](const char* file) { return "«" + folder.filePath(file) + "»"; };
    EXPECT_EQ(errors, QStringList({"В файле " + named("broken.txt") +
                                       " ошибка в строке 1 листинга, и спрайт не открыт.",
                                   "Файл " + named("empty.txt") + " пуст: в нём нет спрайта.",
                                   "Картинка " + named("wide.png") +
                                       " размером 65 × 8 точек больше спрайта: спрайт бывает "
                                       "не больше 64 × 64 точек."}));
}

// The menu's items and the keys as the user uses them, the grid read back from the screen.
TEST_F(MainWindow, EditingStepsUndoneAndRedoneAndACopyPastedIntoANewWindowShowAsOnPaper) {
    readyToPaint();  // 16 x 16, green on black
    const auto menuItem = [this](const char* name) { child<QAction>(name)->trigger(); };
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
    const auto yes = answerWith("Да");
    newWindow();
    ASSERT_TRUE(window);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_FALSE(child<QAction>("Undo")->isEnabled()) << "New forgets the history";
    readyToPaint();
    // The boxes' lists may have taken the activation for a moment: the key needs the grid
    // focused in the active window.
    ASSERT_TRUE(activeAgain());
    child("StringGrid1")->setFocus();
    keys(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(shownSet(), (Cells{{1, 2}, {3, 2}, {5, 7}}));
}

// Frames through the menu and the keys, the grid read back from the screen: Ctrl+Page Down
// goes to the next frame wherever the focus is, plain Page Down still moves the grid's
// cell, and the title counts the frames once there are two.
TEST_F(MainWindow, FramesAddedAndWalkedThroughShowInTheGridAndTheTitle) {
    readyToPaint();  // 16 x 16, green on black
    QStringList menus;
    for (const QAction* menu : window->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus.indexOf("Кадры"),
              menus.indexOf("Редактирование") + 1 + int(menus.contains("Инструменты")));
    EXPECT_EQ(window->windowTitle(), "Vexilor ver.2.0");
    EXPECT_FALSE(child<QAction>("NextFrame")->isEnabled());
    const auto green = [this](int column, int row) {
        return shownFill(column, row) == QColor(0, 255, 0);
    };

    clickCell(Qt::LeftButton, 1, 1);
    child<QAction>("AddFrame")->trigger();
    clickCell(Qt::RightButton, 1, 1);
    clickCell(Qt::LeftButton, 2, 2);
    EXPECT_EQ(window->windowTitle(), "Vexilor ver.2.0 — Кадр 2 из 2");
    const struct {
        QKeyCombination key;
        const char* title;
        bool firstFrameShown;
    } walk[] = {
        {Qt::CTRL | Qt::Key_PageDown, "Vexilor ver.2.0 — Кадр 1 из 2", true},
        {Qt::Key_PageDown, "Vexilor ver.2.0 — Кадр 1 из 2", true},
        {Qt::CTRL | Qt::Key_PageUp, "Vexilor ver.2.0 — Кадр 2 из 2", false},
    };
    for (const auto& [key, title, firstFrameShown] : walk) {
        keys(key);
        EXPECT_EQ(window->windowTitle(), title);
        EXPECT_EQ(green(1, 1), firstFrameShown);
        EXPECT_EQ(green(2, 2), !firstFrameShown);
    }
    child<QAction>("DeleteFrame")->trigger();
    EXPECT_EQ(window->windowTitle(), "Vexilor ver.2.0");
    EXPECT_TRUE(green(1, 1));

    // A listing of three frames opens as three, the first shown.
    vexilor::SpriteStore frame;
    frame.setSize(8, 8);
    vexilor::SpriteDocument three(frame);
    for (int column : {3, 5}) {
        frame.setPixel(column, 0, 1);
        three.insertFrame(three.frameCount(), {frame.field(), std::nullopt});
    }
    QStringList lines;
    for (const std::string& line : vexilor::makeListing(three, true))
        lines << QString::fromStdString(line);
    QTemporaryDir folder;
    const QString file = folder.filePath("walk.txt");
    vexilor::writeFileSafely(file, vexilor::listingFileBytes(lines));
    window->openFile(file);
    EXPECT_EQ(window->windowTitle(), "Vexilor ver.2.0 — Кадр 1 из 3");
    keys(Qt::CTRL | Qt::Key_PageUp);
    EXPECT_TRUE(green(3, 0) && green(5, 0) && !green(1, 1));
}

// Cells written as "column,row column,row ...", in their order.
std::vector<std::pair<int, int>> cellList(const char* text) {
    std::vector<std::pair<int, int>> cells;
    std::istringstream in(text);
    for (std::pair<int, int> cell; in >> cell.first && in.ignore() >> cell.second;)
        cells.push_back(cell);
    return cells;
}

// Each tool chosen by its key with the grid focused and dragged with the mouse, a fast
// stroke among them: the shape shows while dragging and after the release, one undo takes
// the whole drag back, and Escape gives a drag up.
TEST_F(MainWindow, EachDrawingToolDrawsItsShapeWhileDraggingAndOneUndoTakesItBack) {
    EXPECT_FALSE(child<QAction>("LineTool")->isEnabled()) << "usable once the grid is";
    readyToPaint();  // 16 x 16, green on black
    const auto cells = [](const char* text) {
        const auto list = cellList(text);
        return Cells(list.begin(), list.end());
    };
    const auto block = [](int left, int top, int right, int bottom, bool hollow) {
        Cells cells;
        for (int column = left; column <= right; ++column)
            for (int row = top; row <= bottom; ++row)
                if (!hollow || column == left || column == right || row == top || row == bottom)
                    cells.insert({column, row});
        return cells;
    };
    // The left button sets the shape's pixels, the right one clears them.
    const struct {
        Qt::Key key;
        const char* item;
        Qt::MouseButton button;
        const char* path;  // pressed, moved over, released
        Cells shape;
    } drags[] = {
        {Qt::Key_L, "LineTool", Qt::LeftButton, "0,0 6,2 11,9 15,7",
         cells("0,0 1,0 2,1 3,1 4,2 5,2 6,3 7,3 8,4 9,4 10,5 11,5 12,6 13,6 14,7 15,7")},
        {Qt::Key_R, "RectangleTool", Qt::LeftButton, "9,14 4,10 2,9", block(2, 9, 9, 14, true)},
        {Qt::Key_B, "FillTool", Qt::LeftButton, "5,11", block(3, 10, 8, 13, false)},
        {Qt::Key_F, "FilledRectangleTool", Qt::RightButton, "0,0 3,1", block(0, 0, 3, 1, false)},
        // Three moves far apart, joined without gaps.
        {Qt::Key_P, "PenTool", Qt::LeftButton, "10,8 15,10 10,12 15,15",
         cells("10,8 11,8 12,9 13,9 14,10 15,10 13,11 12,11 11,12 10,12 11,13 12,13 13,14 "
               "14,14 15,15")},
        // Escape gives the drag up: what follows until the next press draws nothing.
        {Qt::Key_L, "LineTool", Qt::LeftButton, "0,15 8,15", {}},
    };
    auto* grid = child("StringGrid1");
    Cells earlier;  // before the drag before
    for (const auto& [key, item, button, pathText, shape] : drags) {
        SCOPED_TRACE(item);
        grid->setFocus();
        keys(key);
        EXPECT_TRUE(child<QAction>(item)->isChecked());
        const Cells before = shownSet();
        Cells after = before;
        for (const auto& cell : shape) {
            if (button == Qt::LeftButton)
                after.insert(cell);
            else
                after.erase(cell);
        }
        std::vector<QPoint> path;
        for (auto [column, row] : cellList(pathText))
            path.push_back(cellRect(column, row).center());
        QTest::mousePress(grid, button, {}, path.front());
        for (const QPoint& point : path)
            QTest::mouseMove(grid, point);
        if (shape.empty()) {
            EXPECT_NE(shownSet(), before) << "the preview";
            keys(Qt::Key_Escape);
            QTest::mouseMove(grid, cellRect(12, 15).center());
        } else if (path.size() > 1) {
            EXPECT_EQ(shownSet(), after) << "the preview";
        }
        QTest::mouseRelease(grid, button, {}, path.back());
        EXPECT_EQ(shownSet(), after);
        keys(Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(shownSet(), shape.empty() ? earlier : before) << "undone";
        keys(Qt::CTRL | Qt::Key_Y);
        earlier = before;
    }

    // In a box the letters are typed, and the tool stays.
    child("ComboBox3")->setFocus();
    keys(Qt::Key_D);
    EXPECT_TRUE(child<QAction>("LineTool")->isChecked());
}

// Painted after Convert, the sprite is no longer the listing's: Save and Print ask first,
// and converting again gives the listing of what the grid shows.
TEST_F(MainWindow, SaveAndPrintOfferToConvertAgainOnlyWhileTheSpriteDiffersFromTheListing) {
    readyToPaint();
    clickCell(Qt::LeftButton, 1, 1);
    click("Button2");
    clickCell(Qt::LeftButton, 2, 2);
    const QString question =
        "Спрайт изменился после перевода, и листинг его не показывает. Перевести спрайт "
        "заново?|Перевести заново*|";
    const QString rowTwo = "\n    0010000000000000\n";
    const struct {
        std::function<void()> command;
        QString answer, asks, took;  // asks: the buttons after the first; took: "" for nothing
    } steps[] = {
        {[&] { click("Button3"); }, "Отмена", "Сохранить как есть|Отмена", ""},
        {[&] { click("Button4"); }, "Печатать как есть", "Печатать как есть|Отмена", "printed:old"},
        {[&] { child<QAction>("N6")->trigger(); }, "Перевести заново", "Сохранить как есть|Отмена",
         "saved:new"},
        {[&] { click("Button4"); }, "", "", "printed:new"},
        {[&] {
             ASSERT_TRUE(activeAgain());
             clickCell(Qt::LeftButton, 3, 3);
             keys(Qt::CTRL | Qt::Key_Z);
             child<QAction>("N6")->trigger();
         },
         "", "", "saved:new"},  // a change undone is none
    };
    for (const auto& [command, answer, asks, took] : steps) {
        asked.clear();
        outputs.clear();
        const auto answering = answerWith(answer);
        command();
        EXPECT_EQ(asked.join(""), asks.isEmpty() ? "" : question + asks);
        ASSERT_EQ(outputs.size(), took.isEmpty() ? 0 : 1) << took.toStdString();
        if (!took.isEmpty()) {
            EXPECT_EQ(outputs[0].section(':', 0, 0), took.section(':', 0, 0));
            EXPECT_EQ(outputs[0].contains(rowTwo), took.endsWith("new")) << took.toStdString();
            EXPECT_TRUE(outputs[0].contains("Vexilor")) << "with the credits, as converted";
        }
    }
}

TEST_F(MainWindow, NewAsksBeforeDiscardingAnUnsavedSpriteAndNoKeepsIt) {
    readyToPaint();
    clickCell(Qt::LeftButton, 5, 5);
    const QString question = "Спрайт не сохранён. Начать новый и потерять его?|Да|Нет*";
    const QPointer<TForm1> painted = window;
    const struct {
        std::function<void()> before;
        QString answer, asks;
        bool kept;
    } steps[] = {
        {[] {}, "Нет", question, true},
        {[&] {
             const auto convertAgain = answerWith("Перевести заново");
             click("Button3");                  // saved as converted again
             pick("ComboBox3", "2 - Красный");  // colours are no part of the sprite
         },
         "", "", false},
    };
    for (const auto& [before, answer, asks, kept] : steps) {
        before();
        asked.clear();
        const auto answering = answerWith(answer);
        newWindow();
        EXPECT_EQ(asked.join(""), asks);
        EXPECT_EQ(window == painted, kept);
        ASSERT_TRUE(window && QTest::qWaitForWindowExposed(window));
        EXPECT_EQ(cellsShowing(kept ? QColor(0, 255, 0) : QColor(Qt::white)),
                  kept ? 1 : 64 * 64 - 1);
    }
}

TEST_F(MainWindow, TheFileAndHelpItemsKeepTheirCaptionsAndTheirKeysWorkOnlyWhileEnabled) {
    const std::pair<const char*, QString> items[] = {{"N4", "Новый|Ctrl+N"},
                                                     {"N6", "Сохранить как|Ctrl+S"},
                                                     {"N7", "Распечатать|Ctrl+P"},
                                                     {"N10", "Выход|Ctrl+Q"},
                                                     {"N11", "Помощь|F1"}};
    for (const auto& [name, shown] : items) {
        const auto* item = child<QAction>(name);
        EXPECT_EQ(item->text() + "|" + item->shortcut().toString(), shown);
    }
    keys(Qt::CTRL | Qt::Key_S);
    keys(Qt::CTRL | Qt::Key_P);
    EXPECT_TRUE(outputs.isEmpty()) << "Save and Print are not usable yet";
    readyToPaint();
    child<QAction>("N8")->trigger();  // the menu's Clear unlocks its Print
    keys(Qt::CTRL | Qt::Key_S);
    keys(Qt::CTRL | Qt::Key_P);
    EXPECT_EQ(outputs, QStringList({"saved:", "printed:"}));

    const auto no = answerWith("&No");
    keys(Qt::CTRL | Qt::Key_Q);
    EXPECT_EQ(asked, QStringList({"Вы действительно ходите закрыть?|&Yes*|&No"}));
    ASSERT_TRUE(window && activeAgain());
    keys(Qt::CTRL | Qt::Key_N);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(splashShown, 2);
}

// Undo, and redo by either key, act on the sprite wherever the keyboard is, but in a box
// whose text the user has typed, where they take back the typing.
TEST_F(MainWindow, UndoAndRedoKeysActOnTheSpriteWhereverTheFocusIsButInATextBox) {
    readyToPaint();
    const std::pair<const char*, bool> places[] = {
        {"StringGrid1", true}, {"Memo1", true},      {"Button1", true},   {"Button5", true},
        {"ComboBox1", true},   {"ComboBox4", false}, {"ComboBox3", false}};
    for (const auto& [place, theSprites] : places) {
        clickCell(Qt::LeftButton, 6, 6);
        child(place)->setFocus();
        if (!theSprites) {  // a letter deleted, which the box can take back
            QTest::keyClick(child(place), Qt::Key_Home);
            QTest::keyClick(child(place), Qt::Key_Delete);
        }
        keys(Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(shownFill(6, 6) == QColor(0, 255, 0), !theSprites) << place;
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        keys(Qt::CTRL | Qt::Key_Z);
        keys(Qt::CTRL | Qt::Key_Y);
        EXPECT_EQ(shownFill(6, 6), QColor(0, 255, 0)) << place;
        clickCell(Qt::RightButton, 6, 6);
    }
}

// What a screen reader hears of the grid's cells, as Qt's accessibility is told it in a
// session where one listens (tests/CMakeLists.txt).
std::vector<std::pair<QAccessible::Event, QString>> heardOfCells;

void hearCells(QAccessibleEvent* event) {
    QAccessibleInterface* object = event->accessibleInterface();
    if (object != nullptr && object->role() == QAccessible::Cell)
        heardOfCells.emplace_back(event->type(), object->text(QAccessible::Name));
}

TEST_F(MainWindow, AScreenReaderHearsEachPaintedPixelAndMove) {
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
}
