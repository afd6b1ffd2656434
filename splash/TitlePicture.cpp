#include "TitlePicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include "Failure.h"

namespace vexilor {

PictureColours displayPictureColours() {
    static const PictureColours colours = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const bool fewColours = screen != nullptr && screen->depth() <= 8;
        return fewColours ? PictureColours::Palette236 : PictureColours::TrueColour;
    }();
    return colours;
}

QByteArray titlePictureBytes() {
    QFile file(QStringLiteral(":/splash/title.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        throw Failure("Cannot open the title picture");
    return file.readAll();
}

QImage loadTitlePicture() {
    return decodeJpeg(titlePictureBytes(), displayPictureColours());
}

}  // namespace vexilor
