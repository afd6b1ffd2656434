#pragma once

#include <QStringList>

#include "TextDevice.h"

// A TextDevice with fixed metrics (every character 10 units wide, text 12 high, the
// font's cell 15) that records what the printer went through into `events`: "page 1",
// "x,y abc" for a text, "end", one entry per call.
class RecordingDevice : public vexilor::TextDevice {
public:
    explicit RecordingDevice(QStringList& events, QSize printable = {1000, 1000})
        : events_(events), printable_(printable) {}

    bool jobRunning() const override { return !events_.isEmpty() && events_.back() != u"end"; }
    bool beginJob() override {
        events_ << QStringLiteral("page %1").arg(++pages_);
        return true;
    }
    void endJob() override { events_ << QStringLiteral("end"); }
    void newPage() override { events_ << QStringLiteral("page %1").arg(++pages_); }
    QSize printableSize() const override { return printable_; }
    void setFont(const QFont&, const QColor&) override {}
    QSize textExtent(const QString& text) const override {
        return {static_cast<int>(text.size()) * 10, 12};
    }
    int cellHeight() const override { return 15; }
    void drawText(QPoint at, const QString& text) override {
        events_ << QStringLiteral("%1,%2 %3").arg(at.x()).arg(at.y()).arg(text);
    }

private:
    QStringList& events_;
    QSize printable_;
    int pages_ = 0;
};
