#include "LinePrinter.h"

#include "Failure.h"

namespace vexilor {

LinePrinter::~LinePrinter() {
    if (open_)
        close();
}

void LinePrinter::open() {
    if (device_.jobRunning())
        throw Failure("Printing in progress");
    if (!device_.beginJob())
        throw Failure("Printer selected is not valid");
    open_ = true;
    const QSize printable = device_.printableSize();
    width_ = printable.width();
    height_ = printable.height();
    x_ = 0;
    y_ = 0;
    lineHeight_ = 0;
    run_.clear();
}

void LinePrinter::write(QStringView text) {
    for (const QChar c : text) {
        if (c == u'\n') {
            drawRun();
            newLine();
        } else {
            run_ += c;
        }
    }
    drawRun();
}

void LinePrinter::close() {
    drawRun();
    device_.endJob();
    open_ = false;
}

void LinePrinter::drawRun() {
    QStringView rest = run_;
    while (!rest.isEmpty()) {
        qsizetype n = rest.size();
        QSize extent = device_.textExtent(rest.first(n).toString());
        while (n > 0 && x_ + extent.width() > width_) {
            --n;
            extent = device_.textExtent(rest.first(n).toString());
        }
        // A page narrower than one character still gets one per line, so the run ends.
        if (n == 0 && x_ == 0) {
            n = 1;
            extent = device_.textExtent(rest.first(1).toString());
        }
        if (lineHeight_ < extent.height())
            lineHeight_ = extent.height() + 2;
        if (n > 0)
            device_.drawText({x_, y_}, rest.first(n).toString());
        rest = rest.sliced(n);
        if (rest.isEmpty())
            x_ += extent.width();
        else
            newLine();
    }
    run_.clear();
}

void LinePrinter::newLine() {
    const int endedLineHeight = lineHeight_;
    x_ = 0;
    y_ += endedLineHeight != 0 ? endedLineHeight : device_.cellHeight();
    // After text, a line that would leave less than two of its heights below goes on the
    // next page; after an empty line only a position below the bottom does.
    if (y_ > height_ - 2 * endedLineHeight)
        newPage();
    lineHeight_ = 0;
}

void LinePrinter::newPage() {
    x_ = 0;
    y_ = 0;
    device_.newPage();
}

}  // namespace vexilor
