#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "ListingFile.h"
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

}  // namespace
