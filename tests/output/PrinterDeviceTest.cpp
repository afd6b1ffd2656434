#include "PrinterTextDevice.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "LinePrinter.h"
#include "PdfWords.h"

TEST(PrintingOnAPrinter, LinesStandWhereTheLayoutPutsThemAtTheDevicesResolution) {
    if (!canReadPdfs())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    constexpr int kDpi = 300;
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("job.pdf")));
    printer.setResolution(kDpi);
    printer.setPageSize(QPageSize(QPageSize::A4));
    vexilor::PrinterTextDevice device(printer);
    vexilor::LinePrinter out(device);
    out.open();
    out.setFont(QFont(QStringLiteral("Liberation Sans"), 8), Qt::black);
    const int textLine = device.textExtent(QStringLiteral("X")).height() + 2;
    const int emptyLine = device.cellHeight();
    out.write(QStringLiteral("FIRST\nSECOND\n\nTHIRD\n"));
    out.close();

    const auto words = readPdf(printer.outputFileName()).words;
    const auto points = [](int deviceUnits) { return deviceUnits * 72.0 / kDpi; };
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].text + words[1].text + words[2].text, "FIRSTSECONDTHIRD");
    EXPECT_NEAR(words[1].top - words[0].top, points(textLine), 0.3);
    EXPECT_NEAR(words[2].top - words[1].top, points(textLine + emptyLine), 0.3);
    // At the left edge of the printable area, but for the glyphs' small side bearing.
    EXPECT_NEAR(words[0].left, printer.pageLayout().paintRectPoints().left(), 1.0);
}
