#include "Unit1.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "ModalAnswer.h"
#include "PixelGrid.h"
#include "QStringPrinting.h"

using vexilor::MainWindowServices;
using vexilor::TForm1;

namespace {

class MainWindow : public testing::Test {
protected:
    MainWindow() {
        window = new TForm1([this](TForm1&) {
            MainWindowServices services;
            services.showSplashModally = [this] { ++splashShown; };
            return services;
        });
        window->show();
    }

    ~MainWindow() override {
        delete vexilor::currentMainWindow();
        delete window.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename Widget>
    Widget* child(const char* name) {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // The text that a label shows, without any markup.
    QString label(const char* name) {
        auto* widget = child<QLabel>(name);
        if (widget->textFormat() == Qt::PlainText)
            return widget->text();
        QTextDocument shown;
        shown.setHtml(widget->text());
        return shown.toPlainText();
    }

    void typeInto(const char* boxName, const QString& text) {
        auto* box = child<QComboBox>(boxName);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }

    void pick(const char* boxName, const QString& entry) {
        auto* box = child<QComboBox>(boxName);
        box->showPopup();
        QAbstractItemView* list = box->view();
        const QRect cell = list->visualRect(box->model()->index(box->findText(entry), 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void readyToPaint() {
        pick("ComboBox1", "16");
        pick("ComboBox2", "8");
        pick("ComboBox3", "0 - Черный");
        pick("ComboBox4", "4 - Голубой");
        QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
    }

    QPointer<TForm1> window;
    int splashShown = 0;
};

// Answers the close question with a key and remembers what it asked.
struct CloseAnswer {
    explicit CloseAnswer(Qt::Key key)
        : answer([this, key](QMessageBox& box) {
              text = box.text();
              caption = box.windowTitle();
              icon = box.icon();
              for (auto* button : box.buttons())
                  buttons << button->text();
              QTest::keyClick(&box, key);
          }) {}
    QString text, caption;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalAnswer answer;
};

}  // namespace

TEST_F(MainWindow, HasAFixedClientAreaAndNoMaximiseBox) {
    EXPECT_EQ(window->centralWidget()->size(), QSize(865, 633));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window->windowTitle(), "Vexilor ver.2.0");
    EXPECT_EQ(window->windowIcon().availableSizes(), QList<QSize>({QSize(16, 16), QSize(32, 32)}));
}

TEST_F(MainWindow, CellNamesEndWhereTheGridEnds) {
    EXPECT_EQ(child<QLabel>("Panel16")->geometry().right() + 1, 601);
    EXPECT_EQ(child<QLabel>("Panel16")->text(), "H");
    EXPECT_EQ(child<QLabel>("Panel10")->geometry().bottom() + 1, 601);
    EXPECT_EQ(child<QLabel>("Panel10")->text(), "8");
    EXPECT_EQ(child<vexilor::PixelGrid>("StringGrid1")->geometry(), QRect(24, 24, 577, 577));
}

TEST_F(MainWindow, TabVisitsTheControlsInTheirOrder) {
    readyToPaint();
    QTest::mouseClick(child<QPushButton>("Button2"), Qt::LeftButton);
    const QStringList order{"StringGrid1", "ComboBox1", "ComboBox2", "ComboBox3",
                            "ComboBox4",   "Button1",   "Button2",   "Button3",
                            "Button4",     "Memo1",     "Button5"};
    QStringList visited;
    QWidget* widget = child<QWidget>("StringGrid1");
    do {
        if (order.contains(widget->objectName()) && (widget->focusPolicy() & Qt::TabFocus))
            visited << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != child<QWidget>("StringGrid1"));
    EXPECT_EQ(visited, order);
}

TEST_F(MainWindow, StartsWithTheSplashShownOnceAndTheDefaultFolder) {
    EXPECT_EQ(splashShown, 1);
    window->hide();
    window->show();
    EXPECT_EQ(splashShown, 1);
    EXPECT_EQ(label("Label8"),
              "Папка по умолчанию: " + QCoreApplication::applicationDirPath() + "/");
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentText(), "горизонт.");
}

TEST_F(MainWindow, TypingOneThenTwoInTheWidthBoxGivesTwelve) {
    typeInto("ComboBox1", "1");
    EXPECT_EQ(label("Label7"), "Размер: 16x8");
    EXPECT_TRUE(child<QComboBox>("ComboBox2")->isEnabled());
    QTest::keyClicks(child<QComboBox>("ComboBox1"), "2");
    EXPECT_EQ(label("Label7"), "Размер: 12x8");
}

TEST_F(MainWindow, PickingSizesFromTheListsFillsTheSizeLabel) {
    pick("ComboBox1", "16");
    pick("ComboBox2", "24");
    EXPECT_EQ(label("Label7"), "Размер: 16x24");
    EXPECT_TRUE(child<QComboBox>("ComboBox3")->isEnabled());
    EXPECT_FALSE(child<QComboBox>("ComboBox4")->isEnabled());
}

TEST_F(MainWindow, PickingGreenShowsTheBrushSwatchInDarkGreen) {
    auto* swatch = child<QFrame>("Panel17");
    EXPECT_FALSE(swatch->isVisible());
    pick("ComboBox1", "8");
    pick("ComboBox2", "8");
    pick("ComboBox3", "5 - Зеленый");
    EXPECT_TRUE(swatch->isVisible());
    EXPECT_EQ(swatch->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(label("Label5"), "Кисть: 5 - Зеленый");
}

TEST_F(MainWindow, TypingLettersInTheWidthBoxShowsTheErrorBoxAndChangesNothing) {
    pick("ComboBox1", "24");
    QStringList texts, captions;
    ModalAnswer answer([&](QMessageBox& box) {
        texts << box.text();
        captions << box.windowTitle();
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.buttons().size(), 1);
        box.button(QMessageBox::Ok)->click();
    });
    typeInto("ComboBox1", "abc");
    ASSERT_EQ(texts.size(), 3);  // each typed letter runs the command
    EXPECT_EQ(texts.last(), "'abc' is not a valid integer value.");
    EXPECT_EQ(captions.last(), "editor_tests");
    EXPECT_EQ(label("Label7"), "Размер: 24x8");
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentText(), "abc");
    EXPECT_EQ(window->commands().store().width(), 24);
}

TEST_F(MainWindow, ClearAndConvertFromTheButtonsFillTheListing) {
    readyToPaint();
    EXPECT_TRUE(child<vexilor::PixelGrid>("StringGrid1")->isEnabled());
    EXPECT_EQ(child<vexilor::PixelGrid>("StringGrid1")->backgroundColour(), QColor(0, 255, 255));
    EXPECT_FALSE(child<QPushButton>("Button4")->isEnabled());
    QTest::mouseClick(child<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_TRUE(child<QPushButton>("Button4")->isEnabled());
    EXPECT_EQ(window->memo().toPlainText(), window->listingLines().join('\n'));
    EXPECT_EQ(window->listingLines().first(), "   A1: DATA 0, 0, 0, 0, 0, 0, 0, 0, ");
    EXPECT_TRUE(child<QAction>("N9")->isEnabled());
    EXPECT_FALSE(child<QAction>("N7")->isEnabled());
}

TEST_F(MainWindow, TheMenuConvertLeavesOutTheCredits) {
    readyToPaint();
    child<QAction>("N9")->trigger();
    EXPECT_EQ(window->listingLines().size(), 2 + 2 + 8);
    EXPECT_FALSE(window->memo().toPlainText().contains("Vexilor"));
}

TEST_F(MainWindow, AnsweringNoToTheCloseQuestionKeepsEverything) {
    readyToPaint();
    QTest::mouseClick(child<QPushButton>("Button2"), Qt::LeftButton);
    const QStringList listing = window->listingLines();
    CloseAnswer no(Qt::Key_Escape);
    child<QAction>("N10")->trigger();
    ASSERT_EQ(no.answer.boxesSeen(), 1);
    EXPECT_EQ(no.text, "Вы действительно ходите закрыть?");
    EXPECT_EQ(no.caption, "Information");
    EXPECT_EQ(no.icon, QMessageBox::Information);
    EXPECT_EQ(no.buttons, QStringList({"&Yes", "&No"}));
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->listingLines(), listing);
    EXPECT_EQ(label("Label7"), "Размер: 16x8");
    EXPECT_TRUE(child<QPushButton>("Button4")->isEnabled());
}

TEST_F(MainWindow, EnterAnswersYesAndTheWindowCloses) {
    CloseAnswer yes(Qt::Key_Return);
    window->close();
    EXPECT_EQ(yes.answer.boxesSeen(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(vexilor::currentMainWindow(), nullptr);
}

TEST_F(MainWindow, ExitWithoutSavingEndsTheProgramAskingNothing) {
    ModalAnswer anyBox([](QMessageBox& box) { box.reject(); });
    QTimer::singleShot(
        0, [this] { QTest::mouseClick(child<QPushButton>("Button5"), Qt::LeftButton); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(anyBox.boxesSeen(), 0);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindow, NewGivesAFreshWindowInTheStartState) {
    readyToPaint();
    QTest::mouseClick(child<QPushButton>("Button2"), Qt::LeftButton);
    child<QAction>("N4")->trigger();

    TForm1* fresh = vexilor::currentMainWindow();
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, window.data());
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_EQ(splashShown, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    window = fresh;
    EXPECT_EQ(label("Label7"), "Размер:");
    EXPECT_EQ(label("Label5"), "Кисть:");
    EXPECT_EQ(label("Label6"), "Фон: ");
    EXPECT_TRUE(child<QComboBox>("ComboBox1")->isEnabled());
    EXPECT_FALSE(child<QComboBox>("ComboBox2")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("Button1")->isEnabled());
    EXPECT_TRUE(fresh->memo().toPlainText().isEmpty());
    EXPECT_TRUE(fresh->listingLines().isEmpty());
}
