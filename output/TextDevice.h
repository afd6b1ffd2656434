#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>

namespace vexilor {

// A surface that prints text on pages, in device units from the top-left corner of the
// printable area. LinePrinter lays lines out on it; tests give it fixed metrics.
class TextDevice {
public:
    virtual ~TextDevice() = default;

    // Whether a job is running on the device right now, started by anyone.
    virtual bool jobRunning() const = 0;
    // Starts a job and its first page; false when the device cannot be drawn on.
    virtual bool beginJob() = 0;
    // Ends the current page, drawn on or not, and the job.
    virtual void endJob() = 0;
    virtual void newPage() = 0;

    virtual QSize printableSize() const = 0;
    // Takes the face, style and point size of a screen font, which the device scales to
    // its own resolution, and the colour of the text.
    virtual void setFont(const QFont& font, const QColor& colour) = 0;
    // Width and height of `text` in the device's font.
    virtual QSize textExtent(const QString& text) const = 0;
    // Ascent plus descent of the device's font.
    virtual int cellHeight() const = 0;
    // Draws `text` with the top-left corner of its character cells at `topLeft`.
    virtual void drawText(QPoint topLeft, const QString& text) = 0;
};

}  // namespace vexilor
