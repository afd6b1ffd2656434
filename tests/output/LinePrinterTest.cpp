#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Failure.h"
#include "LinePrinter.h"
#include "RecordingDevice.h"

using testing::ElementsAre;

namespace {

// Characters 10 units wide, text 12 high (so text lines are 14 apart), empty lines 15.
QStringList print(const QString& text, QSize page = {1000, 1000}) {
    PrinterRecord record;
    RecordingDevice device(record, page);
    vexilor::LinePrinter printer(device);
    printer.open();
    printer.write(text);
    printer.close();
    return record.events;
}

TEST(PrintingLines, TextLinesAreTheirHeightPlusTwoApartEmptyLinesTheCellHeight) {
    EXPECT_THAT(print("ab\ncd\n\n\nef\n"),
                ElementsAre("page 1", "text 0,0 ab", "text 0,14 cd", "text 0,58 ef", "end"));
}

TEST(PrintingLines, ALongRunBreaksAfterTheLastCharacterThatFits) {
    EXPECT_THAT(print("abcdefghij\n", {45, 1000}),
                ElementsAre("page 1", "text 0,0 abcd", "text 0,14 efgh", "text 0,28 ij", "end"));
}

TEST(PrintingLines, ASecondWriteGoesOnAfterTheFirstOnTheSameLine) {
    PrinterRecord record;
    RecordingDevice device(record, {45, 1000});
    vexilor::LinePrinter printer(device);
    printer.open();
    printer.write(u"abc");
    printer.write(u"de\nf");
    printer.close();

    EXPECT_THAT(record.events, ElementsAre("page 1", "text 0,0 abc", "text 30,0 d", "text 0,14 e",
                                           "text 0,28 f", "end"));
}

TEST(PrintingLines, APageNarrowerThanOneCharacterStillEndsWithOneCharacterPerLine) {
    EXPECT_THAT(print("abc\n", {5, 1000}),
                ElementsAre("page 1", "text 0,0 a", "text 0,14 b", "text 0,28 c", "end"));
}

TEST(PrintingLines, ATextLineEndsThePageWhenLessThanTwoLineHeightsAreLeft) {
    // After the line at 56 the next position, 70, still has 30 > 28 units below it; after
    // the line at 70 the next one, 84, would not.
    EXPECT_THAT(print("1\n2\n3\n4\n5\n6\n7\n", {1000, 100}),
                ElementsAre("page 1", "text 0,0 1", "text 0,14 2", "text 0,28 3", "text 0,42 4",
                            "text 0,56 5", "text 0,70 6", "page 2", "text 0,0 7", "end"));
}

TEST(PrintingLines, AfterEmptyLinesOnlyAPositionBelowTheBottomEndsThePage) {
    // Empty lines go from 14 to 29, 44, 59, 74, 89: the text line at 89 is printed although
    // it reaches below the bottom; one more empty line, at 104, begins a new page.
    EXPECT_THAT(print("a\n\n\n\n\n\nb\n", {1000, 100}),
                ElementsAre("page 1", "text 0,0 a", "text 0,89 b", "page 2", "end"));
    EXPECT_THAT(print("a\n\n\n\n\n\n\nb\n", {1000, 100}),
                ElementsAre("page 1", "text 0,0 a", "page 2", "text 0,0 b", "end"));
}

TEST(PrintingLines, AJobEndsWithAnEmptyPageWhenItsLastLineEndedOneAndIsOnePageWithoutLines) {
    EXPECT_THAT(print("1\n2\n3\n4\n5\n6\n", {1000, 100}).mid(7), ElementsAre("page 2", "end"));
    EXPECT_THAT(print(""), ElementsAre("page 1", "end"));
}

std::string openingFailure(PrinterRecord& record) {
    RecordingDevice device(record);
    try {
        vexilor::LinePrinter(device).open();
    } catch (const vexilor::Failure& failure) {
        return failure.what();
    }
    return "(opened)";
}

TEST(PrintingLines, OpeningFailsWhileAJobRunsOrWhenThePrinterCannotBeDrawnOn) {
    PrinterRecord running;
    running.busy = true;
    PrinterRecord invalid;
    invalid.valid = false;

    EXPECT_EQ(openingFailure(running), "Printing in progress");
    EXPECT_EQ(openingFailure(invalid), "Printer selected is not valid");
    EXPECT_TRUE(running.events.isEmpty() && running.busy);
    EXPECT_TRUE(invalid.events.isEmpty() && !invalid.busy);
}

TEST(PrintingLines, APrinterLeftOpenIsClosedSoTheNextJobCanRun) {
    PrinterRecord record;
    {
        RecordingDevice device(record);
        vexilor::LinePrinter abandoned(device);
        abandoned.open();
        abandoned.write(u"half");
    }
    EXPECT_THAT(record.events, ElementsAre("page 1", "text 0,0 half", "end"));
    EXPECT_FALSE(record.busy);
}

}  // namespace
