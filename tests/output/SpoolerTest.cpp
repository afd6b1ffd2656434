// Printing through a real CUPS spooler: a private daemon of the test's own takes the job
// and its queue writes it as a PDF, which is read back and compared with the listing box.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QPointer>
#include <QPrinter>
#include <QThread>
#include <QTimer>

#include "CurrentPrinter.h"
#include "DisplayLines.h"
#include "ListingBox.h"
#include "ListingPrint.h"
#include "ModalAnswer.h"
#include "PdfWords.h"
#include "PrivateSpooler.h"
#include "Unit1.h"

namespace {

PrivateSpooler* spooler = nullptr;
QString whySpoolerIsMissing;

class SpoolerEnvironment : public testing::Environment {
    // A daemon can fail to come up on a busy machine; a few spaced tries ride that out.
    static void startWithPatience(PrivateSpooler& instance) {
        for (int attempt = 0; attempt < 5 && spooler == nullptr; ++attempt) {
            if (attempt > 0)
                QThread::sleep(1);
            if (instance.start(&whySpoolerIsMissing))
                spooler = &instance;
        }
    }

public:
    void SetUp() override {
        static PrivateSpooler instance;
        if (!canReadPdfs())
            whySpoolerIsMissing = QStringLiteral("pdftotext (poppler-utils) is not installed");
        else
            startWithPatience(instance);
        if (spooler != nullptr) {
            // Before the first call into the CUPS library, which keeps the server it finds.
            qputenv("CUPS_SERVER", spooler->server().toUtf8());
            qunsetenv("PRINTER");
            qunsetenv("LPDEST");
        }
    }
    void TearDown() override {
        if (spooler != nullptr)
            spooler->stop();
    }
};

// Starts with the test program, before any test makes the CUPS library find a server.
[[maybe_unused]] testing::Environment* const kSpooler =
    testing::AddGlobalTestEnvironment(new SpoolerEnvironment);

class PrintingThroughASpooler : public testing::Test {
protected:
    QWidget window;
    ListingBox box;
    vexilor::CurrentPrinter printers;

    void SetUp() override {
        // CI installs CUPS, so there a missing daemon is a fault, not a reason to skip.
        if (spooler == nullptr && qEnvironmentVariableIsSet("CI"))
            FAIL() << "no CUPS daemon in CI: " << whySpoolerIsMissing.toStdString();
        if (spooler == nullptr)
            GTEST_SKIP() << "no CUPS daemon here: " << whySpoolerIsMissing.toStdString();
        QFile::remove(spooler->jobOutputPath());
    }

    // Print as the user does: the command and its real dialog, confirmed with the
    // default printer preselected. Gives the job as the queue wrote it.
    PdfText printTheBox() {
        vexilor::ListingPrint print(&window, printers);
        ModalAnswer confirm([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
        print.print(box);
        EXPECT_TRUE(spooler->waitUntilIdle()) << spooler->log().toStdString();
        EXPECT_TRUE(QFile::exists(spooler->jobOutputPath())) << spooler->log().toStdString();
        return readPdf(spooler->jobOutputPath());
    }
};

TEST_F(PrintingThroughASpooler, TheDefaultQueueGetsTheListingLineForLineAsTheBoxShowsIt) {
    box.fill(diagonalListing());
    const QStringList printed = pdfLines(printTheBox());
    EXPECT_EQ(printers.printer().printerName(), spooler->queueName());
    QStringList shownWithText;
    for (int i = 0; i < vexilor::displayLineCount(box); ++i)
        if (const QString line = vexilor::displayLine(box, i).simplified(); !line.isEmpty())
            shownWithText << line;
    EXPECT_EQ(printed, shownWithText);
    // 12 of the 16 listing lines have text; the box wraps the longer credit lines.
    EXPECT_GT(printed.size(), 12);
}

TEST_F(PrintingThroughASpooler, AnEmptyBoxGivesOneBlankPage) {
    const PdfText pdf = printTheBox();
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(pdf.words.empty());
}

// New while the lines go to the spooler (the print handles the window's events) waits
// until the print has ended: the window it would destroy is the one printing.
TEST_F(PrintingThroughASpooler, NewDuringAPrintComesOnceThePrintHasEnded) {
    QPointer<vexilor::TForm1> form = new vexilor::TForm1([this](vexilor::TForm1& window) {
        vexilor::MainWindowServices services;
        auto print = std::make_shared<vexilor::ListingPrint>(&window, printers);
        services.print = [print, &window] { print->print(window.memo()); };
        return services;
    });
    form->show();
    form->ComboBox3Change(QStringLiteral("0 - Черный"));
    form->ComboBox4Change(QStringLiteral("7 - Белый"));
    form->Button1Click();
    form->Button2Click();
    const QStringList listing = form->listingLines();

    ModalAnswer confirm([&](QWidget& dialog) {
        static_cast<QDialog&>(dialog).accept();
        QTimer::singleShot(0, form, [&] { form->findChild<QAction*>("N4")->trigger(); });
    });
    form->Button4Click();
    EXPECT_TRUE(spooler->waitUntilIdle()) << spooler->log().toStdString();
    // Every word of the listing, in order, however the box wrapped its lines.
    EXPECT_EQ(pdfLines(readPdf(spooler->jobOutputPath())).join(' '),
              listing.join(' ').simplified());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull()) << "New replaced the window once the print had ended";
    ASSERT_NE(vexilor::currentMainWindow(), nullptr);
    delete vexilor::currentMainWindow();
}

}  // namespace
