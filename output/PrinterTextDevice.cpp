#include "PrinterTextDevice.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPrinter>
#include <cmath>

namespace vexilor {

int printerCharacterHeight(qreal pointSize, int verticalDpi) {
    return static_cast<int>(std::lround(pointSize * verticalDpi / 72.0));
}

bool PrinterTextDevice::jobRunning() const {
    return printer_.paintingActive();
}

bool PrinterTextDevice::beginJob() {
    printer_.setDocName(QString());
    return painter_.begin(&printer_);
}

void PrinterTextDevice::endJob() {
    // Ending the painter ends the last page and hands the document to the spooler.
    painter_.end();
}

void PrinterTextDevice::newPage() {
    printer_.newPage();
}

QSize PrinterTextDevice::printableSize() const {
    return {printer_.width(), printer_.height()};
}

void PrinterTextDevice::setFont(const QFont& font, const QColor& colour) {
    QFont scaled(font);
    // A font given in pixels has no point size of its own; QFontInfo works it out.
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    scaled.setPixelSize(printerCharacterHeight(points, printer_.logicalDpiY()));
    painter_.setFont(scaled);
    painter_.setPen(colour);
}

QSize PrinterTextDevice::textExtent(const QString& text) const {
    const QFontMetrics metrics = painter_.fontMetrics();
    return {metrics.horizontalAdvance(text), metrics.height()};
}

int PrinterTextDevice::cellHeight() const {
    return painter_.fontMetrics().height();
}

void PrinterTextDevice::drawText(QPoint topLeft, const QString& text) {
    painter_.drawText(topLeft + QPoint(0, painter_.fontMetrics().ascent()), text);
}

}  // namespace vexilor
