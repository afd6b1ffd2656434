#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Failure.h"
#include "LinePrinter.h"
#include "RecordingDevice.h"

using testing::ElementsAre;

namespace {

// Characters 10 units wide, text 12 high (so text lines are 14 apart), empty lines 15.
class PrintingLines : public testing::Test {
protected:
    RecordingDevice device;
    vexilor::LinePrinter printer{device};

    QStringList print(const QString& text) {
        printer.open();
        printer.write(text);
        printer.close();
        return device.events;
    }
};

TEST_F(PrintingLines, TextLinesAreTheirHeightPlusTwoApart) {
    EXPECT_THAT(print("ab\ncd\nef\n"),
                ElementsAre("page 1", "text 0,0 ab", "text 0,14 cd", "text 0,28 ef", "end"));
}

TEST_F(PrintingLines, AnEmptyLineAdvancesByTheCellHeight) {
    EXPECT_THAT(print("ab\n\n\ncd\n"), ElementsAre("page 1", "text 0,0 ab", "text 0,44 cd", "end"));
}

TEST_F(PrintingLines, ALongRunBreaksAfterTheLastCharacterThatFits) {
    device.printable = {45, 1000};

    EXPECT_THAT(print("abcdefghij\n"),
                ElementsAre("page 1", "text 0,0 abcd", "text 0,14 efgh", "text 0,28 ij", "end"));
}

TEST_F(PrintingLines, ASecondWriteGoesOnAfterTheFirstOnTheSameLine) {
    device.printable = {45, 1000};
    printer.open();
    printer.write(u"abc");
    printer.write(u"de\nf");
    printer.close();

    EXPECT_THAT(device.events, ElementsAre("page 1", "text 0,0 abc", "text 30,0 d", "text 0,14 e",
                                           "text 0,28 f", "end"));
}

TEST_F(PrintingLines, APageNarrowerThanOneCharacterStillEndsWithOneCharacterPerLine) {
    device.printable = {5, 1000};

    EXPECT_THAT(print("abc\n"),
                ElementsAre("page 1", "text 0,0 a", "text 0,14 b", "text 0,28 c", "end"));
}

TEST_F(PrintingLines, ATextLineEndsThePageWhenLessThanTwoLineHeightsAreLeft) {
    // After the line at 56 the next position, 70, still has 30 > 28 units below it; after
    // the line at 70 the next one, 84, would not.
    device.printable = {1000, 100};

    EXPECT_THAT(print("1\n2\n3\n4\n5\n6\n7\n"),
                ElementsAre("page 1", "text 0,0 1", "text 0,14 2", "text 0,28 3", "text 0,42 4",
                            "text 0,56 5", "text 0,70 6", "page 2", "text 0,0 7", "end"));
}

TEST_F(PrintingLines, AfterEmptyLinesOnlyAPositionBelowTheBottomEndsThePage) {
    // Empty lines go from 14 to 29, 44, 59, 74, 89: the text line at 89 is printed although
    // it reaches below the bottom, and the next empty line, at 104, begins a new page.
    device.printable = {1000, 100};

    EXPECT_THAT(print("a\n\n\n\n\n\nb\n"),
                ElementsAre("page 1", "text 0,0 a", "text 0,89 b", "page 2", "end"));
    device.events.clear();
    device.pages = 0;
    EXPECT_THAT(print("a\n\n\n\n\n\n\nb\n"),
                ElementsAre("page 1", "text 0,0 a", "page 2", "text 0,0 b", "end"));
}

TEST_F(PrintingLines, WhenTheLastLineEndsAPageTheJobEndsWithAnEmptyPage) {
    device.printable = {1000, 100};
    print("1\n2\n3\n4\n5\n6\n");

    EXPECT_EQ(device.pages, 2);
    EXPECT_EQ(device.events.mid(device.events.size() - 2), QStringList({"page 2", "end"}));
}

TEST_F(PrintingLines, AJobWithoutLinesIsOneBlankPage) {
    EXPECT_THAT(print(""), ElementsAre("page 1", "end"));
}

TEST_F(PrintingLines, OpeningWhileAJobRunsFailsAndStartsNothing) {
    bool busy = true;
    device.printerBusy = &busy;

    EXPECT_THROW(
        {
            try {
                printer.open();
            } catch (const vexilor::Failure& failure) {
                EXPECT_STREQ(failure.what(), "Printing in progress");
                throw;
            }
        },
        vexilor::Failure);
    EXPECT_TRUE(device.events.isEmpty());
}

TEST_F(PrintingLines, APrinterThatCannotBeDrawnOnIsNotValid) {
    device.valid = false;

    EXPECT_THROW(
        {
            try {
                printer.open();
            } catch (const vexilor::Failure& failure) {
                EXPECT_STREQ(failure.what(), "Printer selected is not valid");
                throw;
            }
        },
        vexilor::Failure);
    EXPECT_FALSE(device.jobRunning());
}

TEST_F(PrintingLines, APrinterLeftOpenIsClosedSoTheNextJobCanRun) {
    {
        vexilor::LinePrinter abandoned(device);
        abandoned.open();
        abandoned.write(u"half");
    }
    EXPECT_FALSE(device.jobRunning());
    EXPECT_EQ(device.events.last(), "end");
}

}  // namespace
