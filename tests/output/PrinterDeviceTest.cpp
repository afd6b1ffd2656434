#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "LinePrinter.h"
#include "PdfWords.h"
#include "PrinterTextDevice.h"

namespace {

constexpr int kDpi = 300;

double points(int deviceUnits) {
    return deviceUnits * 72.0 / kDpi;
}

// Prints through QPrinter into a PDF at 300 dots per inch and reads the words back.
class PrintingOnAPrinter : public testing::Test {
protected:
    QTemporaryDir folder;
    QPrinter printer{QPrinter::HighResolution};
    vexilor::PrinterTextDevice device{printer};
    int textLine = 0;   // c + 2
    int emptyLine = 0;  // the cell height

    void SetUp() override {
        if (!canReadPdfs())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("job.pdf")));
        printer.setResolution(kDpi);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    std::vector<PdfWord> print(const QString& text) {
        vexilor::LinePrinter out(device);
        out.open();
        out.setFont(QFont(QStringLiteral("Liberation Sans"), 8), Qt::black);
        textLine = device.textExtent(QStringLiteral("X")).height() + 2;
        emptyLine = device.cellHeight();
        out.write(text);
        out.close();
        return readPdf(printer.outputFileName()).words;
    }
};

TEST_F(PrintingOnAPrinter, LinesStandWhereTheLayoutPutsThem) {
    const auto words = print(QStringLiteral("FIRST\nSECOND\n\nTHIRD\n"));

    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].text + words[1].text + words[2].text, "FIRSTSECONDTHIRD");
    EXPECT_NEAR(words[1].top - words[0].top, points(textLine), 0.3);
    EXPECT_NEAR(words[2].top - words[1].top, points(textLine + emptyLine), 0.3);
    // At the left edge of the printable area, but for the glyphs' small side bearing.
    EXPECT_NEAR(words[0].left, printer.pageLayout().paintRectPoints().left(), 1.0);
}

TEST_F(PrintingOnAPrinter, APageHoldsTheLinesThatLeaveTwoLineHeightsBelowThem) {
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("L%1\n").arg(i, 3, 10, QChar(u'0'));
    const auto words = print(text);

    // Line k starts at k * (c + 2); after each line the next position must not pass
    // H - 2 * (c + 2), so a page holds 1 + (H - 2 * (c + 2)) / (c + 2) lines.
    const int perPage = 1 + (printer.height() - 2 * textLine) / textLine;
    ASSERT_EQ(words.size(), 200u);
    EXPECT_EQ(words[perPage - 1].page, 1);
    EXPECT_EQ(words[perPage].page, 2);
    EXPECT_EQ(words[perPage].text, QStringLiteral("L%1").arg(perPage, 3, 10, QChar(u'0')));
    EXPECT_NEAR(words[perPage].top, words[0].top, 0.3);
}

TEST(ScalingThePrinterFont, TakesThePointSizeAtTheDevicesResolutionRounded) {
    EXPECT_EQ(vexilor::printerCharacterHeight(8, 300), 33);  // 33.33
    EXPECT_EQ(vexilor::printerCharacterHeight(8, 600), 67);  // 66.67
}

}  // namespace
