#pragma once

#include <QStringList>

#include "TextDevice.h"

// A TextDevice with fixed metrics that writes down what it is asked to do: every
// character is `charWidth` wide, text is `textHeight` high, the cell `cellHeight`.
class RecordingDevice : public vexilor::TextDevice {
public:
    int charWidth = 10;
    int textHeight = 12;
    int cellHeightValue = 15;
    QSize printable{1000, 1000};
    bool valid = true;
    // Shared by every device on the same printer: whether a job runs on it.
    bool* printerBusy = &ownBusy;

    // "page 1", "text x,y abc", "end": one entry per call.
    QStringList events;
    int pages = 0;

    bool jobRunning() const override { return *printerBusy; }
    bool beginJob() override {
        if (!valid)
            return false;
        *printerBusy = true;
        startPage();
        return true;
    }
    void endJob() override {
        events << QStringLiteral("end");
        *printerBusy = false;
    }
    void newPage() override { startPage(); }
    QSize printableSize() const override { return printable; }
    void setFont(const QFont&, const QColor&) override {}
    QSize textExtent(const QString& text) const override {
        return {static_cast<int>(text.size()) * charWidth, textHeight};
    }
    int cellHeight() const override { return cellHeightValue; }
    void drawText(QPoint topLeft, const QString& text) override {
        events << QStringLiteral("text %1,%2 %3").arg(topLeft.x()).arg(topLeft.y()).arg(text);
    }

    // Just the texts drawn, in order.
    QStringList texts() const {
        QStringList drawn;
        for (const QString& event : events) {
            if (event.startsWith(u"text "))
                drawn << event.section(u' ', 2);
        }
        return drawn;
    }

private:
    void startPage() { events << QStringLiteral("page %1").arg(++pages); }
    bool ownBusy = false;
};
