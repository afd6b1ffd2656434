// How long the output side takes for the largest listing: its file bytes, its layout on
// printer pages, and a print into a PDF through QPrinter.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include "LinePrinter.h"
#include "ListingFile.h"
#include "PrinterTextDevice.h"
#include "RandomSprite.h"
#include "SpriteListing.h"

namespace {

QStringList largestListing() {
    QStringList lines;
    for (const auto& line : vexilor::makeListing(randomFullSprite(), true))
        lines << QString::fromStdString(line);
    return lines;
}

// Metrics of a 600 dpi printer with a narrow page, so that long lines break.
class CountingDevice : public vexilor::TextDevice {
public:
    bool jobRunning() const override { return false; }
    bool beginJob() override { return true; }
    void endJob() override {}
    void newPage() override { ++pages; }
    QSize printableSize() const override { return {1200, 6600}; }
    void setFont(const QFont&, const QColor&) override {}
    QSize textExtent(const QString& text) const override {
        return {static_cast<int>(text.size()) * 37, 67};
    }
    int cellHeight() const override { return 80; }
    void drawText(QPoint, const QString& text) override { characters += text.size(); }

    qsizetype characters = 0;
    int pages = 0;
};

void BM_FileBytesOfTheLargestListing(benchmark::State& state) {
    const QStringList lines = largestListing();
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::listingFileBytes(lines));
}
BENCHMARK(BM_FileBytesOfTheLargestListing);

void BM_LayOutTheLargestListingOnNarrowPages(benchmark::State& state) {
    const QString text = largestListing().join(u'\n') + u'\n';
    for (auto _ : state) {
        CountingDevice device;
        vexilor::LinePrinter printer(device);
        printer.open();
        printer.write(text);
        printer.close();
        benchmark::DoNotOptimize(device.characters);
    }
}
BENCHMARK(BM_LayOutTheLargestListingOnNarrowPages);

void BM_PrintTheLargestListingIntoAPdf(benchmark::State& state) {
    const QStringList lines = largestListing();
    QTemporaryDir folder;
    for (auto _ : state) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(folder.filePath(QStringLiteral("job.pdf")));
        pdf.setResolution(600);
        vexilor::PrinterTextDevice device(pdf);
        vexilor::LinePrinter printer(device);
        printer.open();
        printer.setFont(QFont(QStringLiteral("Liberation Sans"), 8), Qt::black);
        for (const QString& line : lines)
            printer.write(line + u'\n');
        printer.close();
    }
}
BENCHMARK(BM_PrintTheLargestListingIntoAPdf)->Unit(benchmark::kMillisecond);

}  // namespace
