#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

#include "CurrentPrinter.h"
#include "DialogAnswer.h"
#include "DialogPlacement.h"
#include "DisplayLines.h"
#include "Failure.h"
#include "ListingBox.h"
#include "ListingPrint.h"
#include "RecordingDevice.h"

using testing::ElementsAre;

namespace {

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const vexilor::Failure& failure) {
        return failure.what();
    }
    return "(no failure)";
}

QStringList displayLines(const QPlainTextEdit& box) {
    QStringList lines;
    for (int i = 0; i < vexilor::displayLineCount(box); ++i)
        lines << vexilor::displayLine(box, i);
    return lines;
}

const QString kLongLine =
    QStringLiteral("Создано при помощи программы Vexilor ver.2.0 для авторов игр на Бейсике");

TEST(ReadingTheBoxAsItShowsIt, ALongLineIsSeveralDisplayLinesBrokenWhereTheBoxBreaksIt) {
    ListingBox box;
    box.fill({QStringLiteral("short"), kLongLine, QString(), QStringLiteral("end")});
    const QStringList lines = displayLines(box);

    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.first(), "short");
    EXPECT_EQ(lines.mid(1, lines.size() - 3).join(QString()), kLongLine);
    EXPECT_EQ(lines.mid(lines.size() - 2), QStringList({QString(), "end"}));
}

TEST(ReadingTheBoxAsItShowsIt, TheEmptyLineAfterAFinalLineBreakIsNotCounted) {
    ListingBox box;
    box.setPlainText(QStringLiteral("one\ntwo\n"));
    EXPECT_THAT(displayLines(box), ElementsAre("one", "two"));
    box.clear();
    EXPECT_THAT(displayLines(box), ElementsAre());
}

// Two printers to choose from, and jobs recorded instead of printed.
class PrintingTheListing : public testing::Test {
protected:
    QStringList installed{QStringLiteral("Office"), QStringLiteral("Laser")};
    QString defaultName = QStringLiteral("LASER");
    int listReads = 0;
    vexilor::CurrentPrinter printers{{[this] {
                                          ++listReads;
                                          return installed;
                                      },
                                      [this] { return defaultName; }}};
    QWidget window;
    ListingBox box;
    PrinterRecord job;
    int dialogsShown = 0;

    // A Print command of one window, whose dialog the user confirms or cancels.
    std::unique_ptr<vexilor::ListingPrint> printCommand(bool confirm = true) {
        auto print = std::make_unique<vexilor::ListingPrint>(&window, printers);
        print->setDeviceMaker([this](QPrinter&) { return std::make_unique<RecordingDevice>(job); });
        print->setDialogRunner([this, confirm](QPrintDialog&) {
            ++dialogsShown;
            return confirm;
        });
        return print;
    }
};

TEST_F(PrintingTheListing, EveryDisplayLineIsOnePrintedLine) {
    box.fill({QStringLiteral("   A1: DATA 0, 0"), kLongLine, QStringLiteral("    00000000")});
    printCommand()->print(box);

    EXPECT_GT(job.texts().size(), 3);
    EXPECT_EQ(job.texts(), displayLines(box));
    EXPECT_EQ(job.pages, 1);
}

TEST_F(PrintingTheListing, AnEmptyBoxPrintsOneBlankPageAndCancellingPrintsNothing) {
    printCommand(false)->print(box);
    EXPECT_THAT(job.events, ElementsAre());
    printCommand()->print(box);
    EXPECT_THAT(job.events, ElementsAre("page 1", "end"));
    EXPECT_EQ(dialogsShown, 2);
}

TEST_F(PrintingTheListing, WithoutADefaultPrinterNoDialogIsShown) {
    defaultName.clear();

    EXPECT_EQ(failureOf([&] { printCommand()->print(box); }),
              "There is no default printer currently selected");
    EXPECT_EQ(dialogsShown, 0);
}

TEST_F(PrintingTheListing, TheDefaultIsFoundWhateverItsCaseInAListReadOnce) {
    installed.clear();
    EXPECT_EQ(failureOf([&] { printCommand()->print(box); }),
              "There is no default printer currently selected");
    installed << QStringLiteral("Laser");  // installed after the first Print: not seen
    EXPECT_EQ(failureOf([&] { printCommand()->print(box); }),
              "There is no default printer currently selected");

    vexilor::CurrentPrinter restarted{
        {[this] { return installed; }, [this] { return defaultName; }}};
    EXPECT_EQ(failureOf([&] { restarted.printer(); }), "(no failure)");
    EXPECT_EQ(listReads, 1);
}

TEST_F(PrintingTheListing, ASecondPrintDuringAJobFailsAndLeavesTheJobAlone) {
    QStringList lines;
    for (int i = 0; i < 20; ++i)
        lines << QStringLiteral("line %1").arg(i);
    box.fill(lines);
    auto first = printCommand();
    auto second = printCommand();
    second->setDialogRunner([&](QPrintDialog& dialog) {
        // The running job's printer must not change under it.
        EXPECT_NE(dialog.printer(), &printers.printer());
        return true;
    });
    std::string secondFailure;
    // Arrives while the first job hands on the program's events between its lines.
    QTimer::singleShot(0, [&] { secondFailure = failureOf([&] { second->print(box); }); });
    first->print(box);

    EXPECT_EQ(secondFailure, "Printing in progress");
    EXPECT_EQ(job.texts(), lines);
    EXPECT_EQ(job.events.count(QStringLiteral("end")), 1);
}

TEST_F(PrintingTheListing, TheDialogShowsTheCopiesAndStoresOnlyAConfirmedChoice) {
    auto print = printCommand();
    const auto chooseCopies = [&](int copies, bool confirm) {
        print->setDialogRunner([=](QPrintDialog& dialog) {
            EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
            EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
            EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
            auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("copies"));
            EXPECT_NE(spin, nullptr);
            if (spin != nullptr)
                spin->setValue(copies);
            confirm ? dialog.accept() : dialog.reject();
            return confirm;
        });
        print->print(box);
        return printers.printer().copyCount();
    };
    EXPECT_EQ(chooseCopies(3, false), 1);
    EXPECT_EQ(chooseCopies(2, true), 2);
}

TEST_F(PrintingTheListing, TheRealDialogIsModalAndPlacedLikeTheSaveDialog) {
    window.show();
    vexilor::ListingPrint withRealDialog{&window, printers};
    QRect shown;
    QRect monitor;
    answerNextDialog([&](QWidget& dialog) {
        shown = QRect(dialog.pos(), dialog.size());
        monitor = dialog.screen()->geometry();
        EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
        static_cast<QDialog&>(dialog).reject();
    });
    withRealDialog.print(box);

    ASSERT_TRUE(shown.isValid());
    EXPECT_EQ(shown.topLeft(), vexilor::dialogPosition(monitor, shown.size()));
}

}  // namespace
