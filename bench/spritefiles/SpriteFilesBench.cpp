#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include "ListingFile.h"
#include "PngPicture.h"
#include "RandomSprite.h"
#include "SpriteFile.h"
#include "SpriteListing.h"

namespace {

// The editor's Open and the converter: the file that Save writes (Windows-1251, CR LF,
// with the credits) read from the disk, told from a picture and decoded.
void BM_ReadSavedListingFileOfARandom64x64Sprite(benchmark::State& state) {
    QStringList lines;
    for (const std::string& line : vexilor::makeListing(randomFullSprite(), true))
        lines << QString::fromStdString(line);
    const QTemporaryDir folder;
    const QString path = folder.filePath("sprite.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(vexilor::listingFileBytes(lines)) < 0)
        state.SkipWithError("cannot write the listing file");
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::readSpriteFile(path));
}
BENCHMARK(BM_ReadSavedListingFileOfARandom64x64Sprite);

// A random 64 x 64 sprite as a PNG with alpha, black pixels on a transparent ground, as
// a paint program saves a sprite.
const QByteArray& spritePng() {
    static const QByteArray bytes = [] {
        const vexilor::SpriteStore sprite = randomFullSprite();
        QImage image(64, 64, QImage::Format_ARGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                image.setPixel(x, y, sprite.pixel(x, y) != 0 ? qRgba(0, 0, 0, 255) : 0);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return png;
    }();
    return bytes;
}

// Our libpng decoder, text entries and all, beside Qt's own PNG reader on the same bytes.
void BM_DecodeSpritePngThroughLibpng(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::decodePng(spritePng(), [](QSize) {}));
}
BENCHMARK(BM_DecodeSpritePngThroughLibpng);

void BM_DecodeSpritePngThroughQt(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(QImage::fromData(spritePng(), "PNG"));
}
BENCHMARK(BM_DecodeSpritePngThroughQt);

// The converter's road for a PNG in memory: told from a listing, decoded, made a sprite.
void BM_ReadSpriteFromPngBytes(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::readSpriteBytes(spritePng()));
}
BENCHMARK(BM_ReadSpriteFromPngBytes);

}  // namespace
