#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPlainTextEdit>
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

const QString kLongLine =
    QStringLiteral("Создано при помощи программы Vexilor ver.2.0 для авторов игр на Бейсике");

TEST(ReadingTheBoxAsItShowsIt, ALongLineIsTwoDisplayLinesBrokenWhereTheBoxBreaksIt) {
    ListingBox box;
    box.fill({QStringLiteral("short"), kLongLine, QString(), QStringLiteral("end")});

    const int count = vexilor::displayLineCount(box);
    ASSERT_GE(count, 5);
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << vexilor::displayLine(box, i);
    EXPECT_EQ(lines.first(), "short");
    EXPECT_EQ(lines.mid(1, count - 3).join(QString()), kLongLine);
    EXPECT_EQ(lines.mid(count - 2), QStringList({QString(), "end"}));
}

TEST(ReadingTheBoxAsItShowsIt, TheEmptyLineAfterAFinalLineBreakIsNotCounted) {
    ListingBox box;
    box.setPlainText(QStringLiteral("one\r\ntwo\r\n"));
    EXPECT_EQ(vexilor::displayLineCount(box), 2);
    box.clear();
    EXPECT_EQ(vexilor::displayLineCount(box), 0);
    EXPECT_EQ(vexilor::displayLine(box, 0), QString());
}

// A printer list to choose from, and devices that record the job instead of printing.
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
    vexilor::ListingPrint print{&window, printers};
    ListingBox box;
    bool printerBusy = false;
    int dialogsShown = 0;

    void SetUp() override {
        print.setDeviceMaker([this](QPrinter&) {
            auto device = std::make_unique<RecordingDevice>();
            device->printerBusy = &printerBusy;
            lastDevice_ = std::move(device);
            return std::make_unique<Forwarding>(*lastDevice_);
        });
        answerDialogWith(true);
    }

    void answerDialogWith(bool confirm) {
        print.setDialogRunner([this, confirm](QPrintDialog&) {
            ++dialogsShown;
            return confirm;
        });
    }

    RecordingDevice& lastDevice() { return *lastDevice_; }

private:
    // Hands the job on to a recording device that outlives it, so tests can read it.
    class Forwarding : public vexilor::TextDevice {
    public:
        explicit Forwarding(TextDevice& to) : to_(to) {}
        bool jobRunning() const override { return to_.jobRunning(); }
        bool beginJob() override { return to_.beginJob(); }
        void endJob() override { to_.endJob(); }
        void newPage() override { to_.newPage(); }
        QSize printableSize() const override { return to_.printableSize(); }
        void setFont(const QFont& f, const QColor& c) override { to_.setFont(f, c); }
        QSize textExtent(const QString& t) const override { return to_.textExtent(t); }
        int cellHeight() const override { return to_.cellHeight(); }
        void drawText(QPoint p, const QString& t) override { to_.drawText(p, t); }

    private:
        TextDevice& to_;
    };
    std::unique_ptr<RecordingDevice> lastDevice_;
};

TEST_F(PrintingTheListing, EveryDisplayLineIsOnePrintedLineAWrappedOneTwo) {
    box.fill({QStringLiteral("   A1: DATA 0, 0"), kLongLine, QStringLiteral("    00000000")});
    print.print(box);

    QStringList shown;
    for (int i = 0; i < vexilor::displayLineCount(box); ++i)
        shown << vexilor::displayLine(box, i);
    EXPECT_GT(shown.size(), 3);
    EXPECT_EQ(lastDevice().texts(), shown);
    EXPECT_EQ(lastDevice().pages, 1);
}

TEST_F(PrintingTheListing, AnEmptyBoxPrintsOneBlankPage) {
    print.print(box);

    EXPECT_THAT(lastDevice().events, ElementsAre("page 1", "end"));
}

TEST_F(PrintingTheListing, CancellingPrintsNothing) {
    box.fill({QStringLiteral("1")});
    answerDialogWith(false);
    print.print(box);

    EXPECT_EQ(dialogsShown, 1);
    EXPECT_TRUE(lastDevice().events.isEmpty());
}

TEST_F(PrintingTheListing, WithoutADefaultPrinterNoDialogIsShown) {
    defaultName.clear();

    EXPECT_EQ(failureOf([&] { print.print(box); }),
              "There is no default printer currently selected");
    EXPECT_EQ(dialogsShown, 0);
}

TEST_F(PrintingTheListing, ThePrinterListIsReadOnceSoALaterPrinterNeedsARestart) {
    installed.clear();
    EXPECT_EQ(failureOf([&] { print.print(box); }),
              "There is no default printer currently selected");
    installed << QStringLiteral("Laser");
    EXPECT_EQ(failureOf([&] { print.print(box); }),
              "There is no default printer currently selected");
    EXPECT_EQ(listReads, 1);
}

TEST_F(PrintingTheListing, TheDefaultPrinterIsFoundWhateverTheCaseOfItsName) {
    EXPECT_EQ(failureOf([&] { print.print(box); }), "(no failure)");
    EXPECT_EQ(failureOf([&] { print.print(box); }), "(no failure)");

    EXPECT_EQ(dialogsShown, 2);
    EXPECT_EQ(listReads, 1);
}

TEST_F(PrintingTheListing, ASecondPrintDuringAJobFailsAndLeavesTheJobAlone) {
    QStringList lines;
    for (int i = 0; i < 20; ++i)
        lines << QStringLiteral("line %1").arg(i);
    box.fill(lines);
    vexilor::ListingPrint secondWindowPrint{&window, printers};
    secondWindowPrint.setDeviceMaker([this](QPrinter&) {
        auto device = std::make_unique<RecordingDevice>();
        device->printerBusy = &printerBusy;
        return device;
    });
    int secondDialogs = 0;
    secondWindowPrint.setDialogRunner([&](QPrintDialog& dialog) {
        ++secondDialogs;
        EXPECT_NE(dialog.printer(), &printers.printer());
        return true;
    });
    std::string secondFailure;
    // Arrives while the first job hands events on between its lines.
    QTimer::singleShot(0,
                       [&] { secondFailure = failureOf([&] { secondWindowPrint.print(box); }); });
    print.print(box);

    EXPECT_EQ(secondDialogs, 1);
    EXPECT_EQ(secondFailure, "Printing in progress");
    EXPECT_EQ(lastDevice().texts(), lines);
    EXPECT_FALSE(printerBusy);
}

TEST_F(PrintingTheListing, TheDialogShowsTheCopiesOfThePrinterAndStoresTheChoice) {
    box.fill({QStringLiteral("1")});
    const auto setCopies = [](QPrintDialog& dialog, int copies) {
        auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("copies"));
        EXPECT_NE(spin, nullptr);
        if (spin != nullptr)
            spin->setValue(copies);
    };
    print.setDialogRunner([&](QPrintDialog& dialog) {
        setCopies(dialog, 3);
        dialog.reject();
        return false;
    });
    print.print(box);
    EXPECT_EQ(printers.printer().copyCount(), 1);

    print.setDialogRunner([&](QPrintDialog& dialog) {
        setCopies(dialog, 2);
        dialog.accept();
        return true;
    });
    print.print(box);
    EXPECT_EQ(printers.printer().copyCount(), 2);
}

TEST_F(PrintingTheListing, TheDialogOffersNeitherPagesNorSelectionNorAFile) {
    box.fill({QStringLiteral("1")});
    print.print(box);
    QPrintDialog* dialog = print.PrintDialog1();

    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintToFile));
    EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
    EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
    EXPECT_EQ(dialog->printer(), &printers.printer());
}

TEST_F(PrintingTheListing, TheRealDialogIsModalAndPlacedLikeTheSaveDialog) {
    window.show();
    vexilor::ListingPrint withRealDialog{&window, printers};
    QPoint shownAt;
    QSize shownSize;
    QRect monitor;
    answerNextDialog([&](QWidget& dialog) {
        shownAt = dialog.pos();
        shownSize = dialog.size();
        monitor = dialog.screen()->geometry();
        EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
        static_cast<QDialog&>(dialog).reject();
    });
    withRealDialog.print(box);

    ASSERT_TRUE(shownSize.isValid());
    EXPECT_EQ(shownAt, vexilor::dialogPosition(monitor, shownSize));
}

}  // namespace
