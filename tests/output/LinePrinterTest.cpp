#include "LinePrinter.h"

#include <gmock/gmock.h>

#include "RecordingDevice.h"

namespace {

struct Layout {
    const char* what;
    QString text;
    QSize page;
    QStringList events;
};

// Characters are 10 units wide, text 12 high (so text lines are 14 apart), empty lines 15.
const Layout kLayouts[] = {
    {"empty lines advance by the cell height",
     "ab\ncd\n\n\nef\n",
     {1000, 1000},
     {"page 1", "text 0,0 ab", "text 0,14 cd", "text 0,58 ef", "end"}},
    {"a long run breaks after the last character that fits",
     "abcdefghij\n",
     {45, 1000},
     {"page 1", "text 0,0 abcd", "text 0,14 efgh", "text 0,28 ij", "end"}},
    {"a page narrower than a character takes one per line",
     "abc\n",
     {5, 1000},
     {"page 1", "text 0,0 a", "text 0,14 b", "text 0,28 c", "end"}},
    // After the line at 70 the next one, 84, would leave less than two line heights.
    {"a text line ends the page near the bottom",
     "1\n2\n3\n4\n5\n6\n7\n",
     {1000, 100},
     {"page 1", "text 0,0 1", "text 0,14 2", "text 0,28 3", "text 0,42 4", "text 0,56 5",
      "text 0,70 6", "page 2", "text 0,0 7", "end"}},
    // Empty lines go from 14 to 89: a text line there is printed although it reaches below
    // the bottom; one more empty line, at 104, begins a new page.
    {"after empty lines only a position below the bottom ends the page",
     "a\n\n\n\n\n\nb\n",
     {1000, 100},
     {"page 1", "text 0,0 a", "text 0,89 b", "page 2", "end"}},
    {"an empty line below the bottom ends the page",
     "a\n\n\n\n\n\n\nb\n",
     {1000, 100},
     {"page 1", "text 0,0 a", "page 2", "text 0,0 b", "end"}},
    {"a job whose last line ended a page ends with an empty page",
     "1\n2\n3\n4\n5\n6\n",
     {1000, 100},
     {"page 1", "text 0,0 1", "text 0,14 2", "text 0,28 3", "text 0,42 4", "text 0,56 5",
      "text 0,70 6", "page 2", "end"}},
    {"a job without lines is one page", "", {1000, 1000}, {"page 1", "end"}},
};

TEST(PrintingLines, LaysTheLinesOutOnPages) {
    for (const Layout& layout : kLayouts) {
        PrinterRecord record;
        RecordingDevice device(record, layout.page);
        vexilor::LinePrinter printer(device);
        printer.open();
        printer.write(layout.text);
        printer.close();
        EXPECT_EQ(record.events, layout.events) << layout.what;
    }
}

}  // namespace
