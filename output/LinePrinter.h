#pragma once

#include <QFont>
#include <QString>
#include <QStringView>

#include "TextDevice.h"

namespace vexilor {

// Prints lines of text on the pages of a TextDevice: a line feed ends a line, text wider
// than the page is broken after its last fitting character, and a new page begins when
// the next line would come too close to the bottom.
class LinePrinter {
public:
    explicit LinePrinter(TextDevice& device) : device_(device) {}
    // Ends a job left open, so the device is free again.
    ~LinePrinter();
    LinePrinter(const LinePrinter&) = delete;
    LinePrinter& operator=(const LinePrinter&) = delete;

    // Starts the job. Throws Failure "Printing in progress" while another job runs on the
    // device and "Printer selected is not valid" when it cannot be drawn on.
    void open();
    void setFont(const QFont& font, const QColor& colour) { device_.setFont(font, colour); }
    // Prints `text`; each line feed ends a line. Whatever follows the last line feed is
    // drawn at once, and the next write goes on after it on the same line.
    void write(QStringView text);
    // Draws what is left, ends the last page, even an empty one, and the job.
    void close();

private:
    void drawRun();
    void newLine();
    void newPage();

    TextDevice& device_;
    bool open_ = false;
    int width_ = 0;
    int height_ = 0;
    int x_ = 0;
    int y_ = 0;
    // The height of the line being printed plus its two units of spacing; 0 while the
    // line has no text.
    int lineHeight_ = 0;
    // Characters received since the last line feed and not drawn yet.
    QString run_;
};

}  // namespace vexilor
