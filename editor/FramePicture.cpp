#include "FramePicture.h"

namespace vexilor {

namespace {

QRgb toQRgb(Rgb rgb) {
    return qRgb(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

QImage framePicture(const SpriteDocument& document, int frame, Colour brush, Colour background) {
    const int width = document.width();
    const int height = document.height();
    if (width <= 0 || height <= 0)
        return {};
    const PixelField& pixels = document.frame(frame).pixels;
    const QRgb ink = toQRgb(rgbForPixel(brush));
    const QRgb paper = toQRgb(rgbForSwatch(background));
    QImage picture(width, height, QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(row));
        for (int column = 0; column < width; ++column)
            line[column] = pixels[SpriteStore::pixelIndex(column, row)] ? ink : paper;
    }
    return picture;
}

}  // namespace vexilor
