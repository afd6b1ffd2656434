#pragma once

#include <QFont>
#include <QPainter>

#include "TextDevice.h"

class QPrinter;

namespace vexilor {

// The character height, in device units, of a font of `pointSize` points on a device
// with `verticalDpi` dots per inch: internal leading not counted, rounded to the nearest.
int printerCharacterHeight(qreal pointSize, int verticalDpi);

// A TextDevice on a QPrinter: one job is one QPainter session on the printer.
class PrinterTextDevice : public TextDevice {
public:
    explicit PrinterTextDevice(QPrinter& printer) : printer_(printer) {}

    bool jobRunning() const override;
    bool beginJob() override;
    void endJob() override;
    void newPage() override;

    QSize printableSize() const override;
    void setFont(const QFont& font, const QColor& colour) override;
    QSize textExtent(const QString& text) const override;
    int cellHeight() const override;
    void drawText(QPoint topLeft, const QString& text) override;

private:
    QPrinter& printer_;
    QPainter painter_;
};

}  // namespace vexilor
