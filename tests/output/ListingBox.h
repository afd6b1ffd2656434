#pragma once

#include <QPlainTextEdit>

#include "SpriteListing.h"

// The listing box as the main window has it: 241 pixels wide, no frame, wrapping at
// words, a vertical scroll bar always shown.
class ListingBox : public QPlainTextEdit {
public:
    ListingBox() {
        setReadOnly(true);
        setFrameStyle(QFrame::NoFrame);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setFixedSize(241, 337);
        show();
    }
    void fill(const QStringList& lines) {
        for (const QString& line : lines)
            appendPlainText(line);
    }
};

// The listing Convert makes for an 8 x 8 sprite with its diagonal set, credits included.
inline QStringList diagonalListing() {
    vexilor::SpriteStore store;
    for (int i = 0; i < 8; ++i)
        store.setPixel(i, i, 1);
    QStringList lines;
    for (const auto& line : vexilor::makeListing(store, true))
        lines << QString::fromStdString(line);
    return lines;
}
