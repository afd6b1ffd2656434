#include <gmock/gmock.h>

#include <QPrintDialog>
#include <QPrinter>

#include "CoreTesting.h"
#include "CurrentPrinter.h"
#include "ListingBox.h"
#include "ListingPrint.h"
#include "RecordingDevice.h"
#include "TestFiles.h"

namespace {

// A choice of two printers, and a Print command whose jobs are recorded, not printed.
class PrintingTheListing : public testing::Test {
protected:
    QString defaultName = QStringLiteral("LASER");
    QStringList installed{"Office", "Laser"};
    vexilor::CurrentPrinter printers{
        {[this] { return installed; }, [this] { return defaultName; }}};
    QWidget window;
    ListingBox box;
    QStringList job;
    int dialogsShown = 0;

    // The user runs Print and confirms (or cancels) its dialog.
    void print(bool confirm = true) {
        vexilor::ListingPrint command(&window, printers);
        command.setDeviceMaker(
            [this](QPrinter&) { return std::make_unique<RecordingDevice>(job); });
        command.setDialogRunner([this, confirm](QPrintDialog&) {
            ++dialogsShown;
            return confirm;
        });
        command.print(box);
    }
};

TEST_F(PrintingTheListing, EveryLineAsTheBoxShowsItIsOnePrintedLine) {
    const QString credit = QStringLiteral("Создано при помощи программы Vexilor ver.2.0");
    box.fill({QStringLiteral("   A1: DATA 0, 0"), credit});
    print();
    ASSERT_EQ(job.size(), 5) << "the box wraps the credit line in two";
    EXPECT_EQ(job[1], "0,0    A1: DATA 0, 0");
    EXPECT_EQ(job[2].section(u' ', 1) + job[3].section(u' ', 1), credit);
    EXPECT_EQ(job.back(), "end");
}

TEST_F(PrintingTheListing, CancellingPrintsNothingAndAnEmptyBoxGivesOneBlankPage) {
    print(false);
    EXPECT_TRUE(job.isEmpty());
    print();
    EXPECT_EQ(job, QStringList({"page 1", "end"}));
    EXPECT_EQ(dialogsShown, 2);
}

TEST_F(PrintingTheListing, WithoutADefaultPrinterFailsShowingNoDialog) {
    defaultName.clear();
    EXPECT_THAT([&] { print(); }, failsWith("There is no default printer currently selected"));
    EXPECT_EQ(dialogsShown, 0);
}

}  // namespace
