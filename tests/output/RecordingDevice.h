#pragma once

#include <QStringList>

#include "TextDevice.h"

// What a printer went through: "page 1", "x,y abc" for a text, "end", one entry per call.
struct PrinterRecord {
    QStringList events;
    int pages = 0;
    bool busy = false;

    QStringList texts() const {
        QStringList drawn;
        for (const QString& event : events)
            if (event.front().isDigit())
                drawn << event.section(u' ', 1);
        return drawn;
    }
};

// A TextDevice with fixed metrics that records into a PrinterRecord: every character
// is 10 units wide, text is 12 high, the font's cell 15.
class RecordingDevice : public vexilor::TextDevice {
public:
    explicit RecordingDevice(PrinterRecord& record, QSize printable = {1000, 1000})
        : record_(record), printable_(printable) {}

    bool jobRunning() const override { return record_.busy; }
    bool beginJob() override {
        record_.busy = true;
        newPage();
        return true;
    }
    void endJob() override {
        record_.events << QStringLiteral("end");
        record_.busy = false;
    }
    void newPage() override { record_.events << QStringLiteral("page %1").arg(++record_.pages); }
    QSize printableSize() const override { return printable_; }
    void setFont(const QFont&, const QColor&) override {}
    QSize textExtent(const QString& text) const override {
        return {static_cast<int>(text.size()) * 10, 12};
    }
    int cellHeight() const override { return 15; }
    void drawText(QPoint at, const QString& text) override {
        record_.events << QStringLiteral("%1,%2 %3").arg(at.x()).arg(at.y()).arg(text);
    }

private:
    PrinterRecord& record_;
    QSize printable_;
};
