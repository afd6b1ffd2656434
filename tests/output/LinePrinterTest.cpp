#include "LinePrinter.h"

#include <gtest/gtest.h>

#include "RecordingDevice.h"

TEST(PrintingLines, LaysTheLinesOutOnPages) {
    // Characters are 10 units wide, text 12 high (so text lines are 14 apart), the cell
    // 15 (so empty lines are 15 apart).
    const std::tuple<QString, QSize, QString> layouts[] = {
        {"ab\ncd\n\n\nef\n", {1000, 1000}, "page 1|0,0 ab|0,14 cd|0,58 ef|end"},
        // A long run breaks after the last character that fits, however narrow the page.
        {"abcdefghij\n", {45, 1000}, "page 1|0,0 abcd|0,14 efgh|0,28 ij|end"},
        {"abc\n", {5, 1000}, "page 1|0,0 a|0,14 b|0,28 c|end"},
        // After the line at 70 the next one, 84, would leave less than two line heights.
        {"1\n2\n3\n4\n5\n6\n7\n",
         {1000, 100},
         "page 1|0,0 1|0,14 2|0,28 3|0,42 4|0,56 5|0,70 6|page 2|0,0 7|end"},
        // After empty lines only a position below the bottom ends the page: the text line
        // at 89 reaches below it, one more empty line (at 104) begins a new page.
        {"a\n\n\n\n\n\nb\n", {1000, 100}, "page 1|0,0 a|0,89 b|page 2|end"},
        {"a\n\n\n\n\n\n\nb\n", {1000, 100}, "page 1|0,0 a|page 2|0,0 b|end"},
        // A job whose last line ended a page ends with an empty one.
        {"1\n2\n3\n4\n5\n6\n",
         {1000, 100},
         "page 1|0,0 1|0,14 2|0,28 3|0,42 4|0,56 5|0,70 6|page 2|end"},
        {"", {1000, 1000}, "page 1|end"},
    };
    for (const auto& [text, page, expected] : layouts) {
        QStringList events;
        RecordingDevice device(events, page);
        vexilor::LinePrinter printer(device);
        printer.open();
        printer.write(text);
        printer.close();
        EXPECT_EQ(events.join(u'|'), expected) << text.toStdString();
    }
}
