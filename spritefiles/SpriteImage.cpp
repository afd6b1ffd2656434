#include "SpriteImage.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>

#include "Failure.h"
#include "PngPicture.h"
#include "QuietDecoding.h"

namespace vexilor {

namespace {

constexpr int kField = SpriteStore::kFieldSize;

[[noreturn]] void refuse(const QString& message) {
    throw Failure(message.toStdString());
}

// A picture one frame at most, or a whole number of frames of at most 256.
void refuseUncuttable(QSize size, std::optional<FrameSize> frame) {
    if (!frame) {
        if (size.width() <= kField && size.height() <= kField)
            return;
        refuse(QStringLiteral("the picture is %1 x %2 pixels; a sprite is at most 64 x 64")
                   .arg(size.width())
                   .arg(size.height()));
    }
    if (size.width() % frame->width != 0 || size.height() % frame->height != 0) {
        refuse(QStringLiteral("the picture is %1 x %2 pixels, not a whole number of frames of "
                              "%3 x %4 pixels")
                   .arg(size.width())
                   .arg(size.height())
                   .arg(frame->width)
                   .arg(frame->height));
    }
    const qint64 frames =
        qint64(size.width() / frame->width) * qint64(size.height() / frame->height);
    if (frames > SpriteDocument::kMaxFrames) {
        refuse(QStringLiteral("the picture holds %1 frames of %2 x %3 pixels; a sprite has at "
                              "most 256")
                   .arg(frames)
                   .arg(frame->width)
                   .arg(frame->height));
    }
}

// Before a PNG is decoded its recorded frame size is not known yet: a picture larger than
// one frame is let through as long as it could be a sheet of 256 frames, and cut or
// refused once decoded.
void refuseLargerThanAnySheet(QSize size) {
    const qint64 largestSheet = qint64(SpriteDocument::kMaxFrames) * kField * kField;
    const int longestSide = SpriteDocument::kMaxFrames * kField;
    if (size.width() > longestSide || size.height() > longestSide ||
        qint64(size.width()) * size.height() > largestSheet) {
        refuseUncuttable(size, std::nullopt);
    }
}

// Every other format Qt's plug-ins read: their complaints about a damaged file are Qt's
// messages, kept quiet while they read. The frame size is the one given, or the one the
// picture records.
QImage readThroughQt(const QByteArray& bytes, std::optional<FrameSize>& frame) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QuietDecoding quiet;
    if (!frame)
        frame = frameSizeFromText(reader.text(kFrameSizeKey));
    // A sprite takes 16 KiB at most, a sheet of 256 frames 4 MiB. The reader's limit (in
    // MiB) stops a header that asks for gigabytes before anything is allocated.
    reader.setAllocationLimit(frame ? 5 : 1);
    // Most formats state their size in a header: those are refused before the picture
    // is decoded, the others once it is read.
    if (const QSize stated = reader.size(); stated.isValid())
        refuseUncuttable(stated, frame);
    const QImage image = reader.read();
    if (image.isNull())
        throw Failure(reader.errorString().toStdString());
    return image;
}

// Below half of full alpha a pixel lets the background show through.
bool isTransparent(QRgb colour) {
    return qAlpha(colour) < 128;
}

// The picture cut into frames left to right, then top to bottom: a pixel is set where
// the picture is dark, or light with `invert`, whatever its alpha. A frame with a
// transparent pixel gets the alpha as its mask (transparent beyond its width and height
// too); a frame whose pixels are all opaque gets none.
SpriteDocument cutIntoFrames(const QImage& picture, bool invert, std::optional<FrameSize> size) {
    refuseUncuttable(picture.size(), size);
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const FrameSize frame = size.value_or(FrameSize{image.width(), image.height()});

    std::optional<SpriteDocument> document;
    for (int top = 0; top < image.height(); top += frame.height) {
        for (int left = 0; left < image.width(); left += frame.width) {
            SpriteStore store;
            store.setSize(frame.width, frame.height);
            PixelField mask;
            mask.set();
            bool masked = false;
            for (int y = 0; y < frame.height; ++y) {
                for (int x = 0; x < frame.width; ++x) {
                    const QRgb colour = image.pixel(left + x, top + y);
                    const bool dark = qGray(colour) < 128;
                    store.setPixel(x, y, dark != invert ? 1 : 0);
                    const bool transparent = isTransparent(colour);
                    mask[SpriteStore::pixelIndex(x, y)] = transparent;
                    masked = masked || transparent;
                }
            }
            std::optional<PixelField> frameMask;
            if (masked)
                frameMask = mask;
            if (!document) {
                document.emplace(store);
                document->setFrameMask(0, frameMask);
            } else {
                document->insertFrame(document->frameCount(),
                                      SpriteFrame{store.field(), frameMask});
            }
        }
    }
    return std::move(*document);
}

}  // namespace

std::optional<FrameSize> frameSizeFromText(const QString& text) {
    static const QRegularExpression size(QStringLiteral("^([0-9]{1,2})x([0-9]{1,2})$"));
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const FrameSize frame{match.captured(1).toInt(), match.captured(2).toInt()};
    const auto inRange = [](int side) { return side >= 1 && side <= kField; };
    if (!inRange(frame.width) || !inRange(frame.height))
        return std::nullopt;
    return frame;
}

SpriteDocument spriteFromImageBytes(const QByteArray& bytes, bool invert,
                                    std::optional<FrameSize> frameSize) {
    if (!isPng(bytes))
        return cutIntoFrames(readThroughQt(bytes, frameSize), invert, frameSize);
    const DecodedPicture picture = decodePng(bytes, [&](QSize stated) {
        if (frameSize)
            refuseUncuttable(stated, frameSize);
        else
            refuseLargerThanAnySheet(stated);
    });
    if (!frameSize)
        frameSize = frameSizeFromText(picture.text(QString::fromLatin1(kFrameSizeKey)));
    return cutIntoFrames(picture.image, invert, frameSize);
}

QByteArray spriteSheetPng(const SpriteDocument& document) {
    const int width = document.width();
    const int height = document.height();
    if (width <= 0 || height <= 0)
        throw Failure("a sprite with no pixels makes no picture");
    bool masked = false;
    for (int i = 0; i < document.frameCount(); ++i)
        masked = masked || document.frame(i).mask.has_value();
    // Without masks, two colours; with them, the alpha as well (opaque for a frame without).
    QImage sheet(width * document.frameCount(), height,
                 masked ? QImage::Format_ARGB32 : QImage::Format_Mono);
    if (!masked) {
        sheet.setColor(0, qRgb(255, 255, 255));
        sheet.setColor(1, qRgb(0, 0, 0));
    }
    for (int i = 0; i < document.frameCount(); ++i) {
        const SpriteStore frame = document.frameStore(i);
        const std::optional<PixelField>& mask = document.frame(i).mask;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int set = frame.pixel(x, y);
                if (!masked) {
                    sheet.setPixel(i * width + x, y, set);
                    continue;
                }
                const bool transparent = mask && (*mask)[SpriteStore::pixelIndex(x, y)];
                const int level = set ? 0 : 255;
                sheet.setPixel(i * width + x, y, qRgba(level, level, level, transparent ? 0 : 255));
            }
        }
    }
    // 100 dots per inch (what Qt gives a picture made without a screen), whatever screen the
    // program runs on, so that the editor's export and the converter write the same bytes.
    constexpr int kDotsPerMeter = 3937;
    sheet.setDotsPerMeterX(kDotsPerMeter);
    sheet.setDotsPerMeterY(kDotsPerMeter);
    sheet.setText(kFrameSizeKey, QStringLiteral("%1x%2").arg(width).arg(height));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!sheet.save(&buffer, "PNG"))
        throw Failure("the picture of the frames cannot be made");
    return png;
}

}  // namespace vexilor
