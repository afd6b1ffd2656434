#include "SpectrumForms.h"

#include <QFileInfo>

#include "BasicSubroutine.h"
#include "Failure.h"
#include "SpectrumTape.h"
#include "SpriteBytes.h"

namespace vexilor {

namespace {

// A 48K Spectrum keeps its user-defined graphics "A" to "U", 21 cells, at the top of
// memory: USR "A" is 65368 there.
constexpr int kUserGraphicsAddress = 65368;
constexpr int kUserGraphicsCells = 21;
constexpr int kMemoryEnd = 65536;
constexpr int kDefaultFirstLine = 9000;
constexpr int kTapeNameLength = 10;

// The sprite's bytes, once it is clear that they fit from `address` (or in the
// user-defined graphics when none is given).
std::vector<std::uint8_t> bytesThatFit(const SpriteStore& store, std::optional<int> address) {
    std::vector<std::uint8_t> bytes = spriteBytes(store);
    const int count = static_cast<int>(bytes.size());
    if (count == 0)
        throw Failure("the sprite has no full 8 x 8 cell, so there are no bytes to store");
    const int cells = count / kCellSize;
    if (!address && cells > kUserGraphicsCells) {
        throw Failure(
            QStringLiteral("the sprite has %1 cells of 8 x 8 pixels, but the user-defined "
                           "graphics hold %2; give --address to store it elsewhere")
                .arg(cells)
                .arg(kUserGraphicsCells)
                .toStdString());
    }
    const int start = address.value_or(kUserGraphicsAddress);
    if (const int over = start + count - kMemoryEnd; over > 0) {
        throw Failure(QStringLiteral("%1 of the sprite's %2 bytes would not fit below 65536 "
                                     "from address %3")
                          .arg(over)
                          .arg(count)
                          .arg(start)
                          .toStdString());
    }
    return bytes;
}

}  // namespace

QByteArray basicSubroutineFile(const SpriteStore& store, const SpectrumOptions& options) {
    const auto lines =
        basicSubroutine(bytesThatFit(store, options.address),
                        options.firstLine.value_or(kDefaultFirstLine), options.address);
    QByteArray text;
    for (const auto& line : lines)
        text += QByteArray::fromStdString(line) + '\n';
    return text;
}

QByteArray spriteTapeFile(const SpriteStore& store, const SpectrumOptions& options,
                          const QString& picturePath) {
    const auto bytes = bytesThatFit(store, options.address);
    const auto address = static_cast<std::uint16_t>(options.address.value_or(kUserGraphicsAddress));
    std::vector<std::uint8_t> tape;
    if (options.tapeName) {
        tape = codeTape(options.tapeName->toStdString(), address, bytes);
    } else {
        const QString name = QFileInfo(picturePath).completeBaseName().left(kTapeNameLength);
        try {
            tape = codeTape(name.toStdString(), address, bytes);
        } catch (const Failure& failure) {
            throw Failure(failure.what() + std::string(" (give one with --name)"));
        }
    }
    return QByteArray(reinterpret_cast<const char*>(tape.data()),
                      static_cast<qsizetype>(tape.size()));
}

}  // namespace vexilor
