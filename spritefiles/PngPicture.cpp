#include "PngPicture.h"

#include <png.h>

#include <QtEndian>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "Failure.h"

namespace vexilor {

namespace {

// libpng's limits on what one chunk may take once decompressed, a text entry say, and
// on how many chunks besides the picture's own it keeps: a larger chunk, or one more, is
// skipped with a warning. Far above what the texts of a picture need, and small enough
// that a file of compressed texts cannot take much memory.
constexpr png_alloc_size_t kLargestChunk = 64 * 1024;
constexpr png_uint_32 kMostChunksKept = 64;

// libpng allocates a chunk's stated length before it reads the chunk. A chunk that
// states more than the rest of the file holds can never be read, and libpng would fail
// on it after that allocation; this finds such a chunk first, and whether it stands
// before the picture's data, where libpng fails while reading the header, or after.
enum class Overrun { None, BeforePixels, AfterPixels };

Overrun findOverrunningChunk(const QByteArray& bytes) {
    bool pixelsSeen = false;
    for (qsizetype at = 8; at + 8 <= bytes.size();) {
        const auto length = qFromBigEndian<quint32>(bytes.constData() + at);
        const QByteArray type = bytes.mid(at + 4, 4);
        if (type == "IEND")
            break;
        if (length > static_cast<quint64>(bytes.size() - at - 8))
            return pixelsSeen || type == "IDAT" ? Overrun::AfterPixels : Overrun::BeforePixels;
        pixelsSeen = pixelsSeen || type == "IDAT";
        at += 12 + static_cast<qsizetype>(length);
    }
    return Overrun::None;
}

// The bytes libpng reads, from the start on.
struct Source {
    const png_byte* data;
    std::size_t size;
    std::size_t offset = 0;
};

void readFromSource(png_structp png, png_bytep out, std::size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->size - source->offset)
        png_error(png, "the file ends too early");
    std::memcpy(out, source->data + source->offset, length);
    source->offset += length;
}

// libpng reports an error through a callback that must not return. Ours jumps back to
// the guarded step that was running (see PngReader::guarded).
struct ErrorTrap {
    std::jmp_buf escape;
};

[[noreturn]] void leaveFailedStep(png_structp png, png_const_charp) {
    std::longjmp(static_cast<ErrorTrap*>(png_get_error_ptr(png))->escape, 1);
}

// Warnings are about damage libpng decodes past, as we do; nobody is told.
void ignoreWarning(png_structp, png_const_charp) {}

class PngReader {
public:
    PngReader() {
        png_ =
            png_create_read_struct(PNG_LIBPNG_VER_STRING, &trap_, leaveFailedStep, ignoreWarning);
        if (png_ != nullptr)
            info_ = png_create_info_struct(png_);
        if (info_ == nullptr) {
            png_destroy_read_struct(&png_, nullptr, nullptr);
            throw Failure(kUnreadablePicture);
        }
    }
    ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    // Runs `step`, which may only call libpng and touch plain data: when libpng fails,
    // longjmp skips the frames of the step and of the library, so nothing living there
    // may need a destructor. This frame and its callers are never skipped.
    template <typename Step>
    void guarded(const Step& step) {
        if (setjmp(trap_.escape) == 0) {
            step(png_, info_);
            return;
        }
        throw Failure(kUnreadablePicture);
    }

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    ErrorTrap trap_{};
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

// Every colour type becomes 8-bit RGBA: palettes and grey spread out, transparency
// entries made alpha, 16-bit channels scaled (rounded, as Qt's conversions do), full
// alpha added where there is none, and interlaced passes put together.
void chooseRgba(png_structp png, png_infop info) {
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

QString textOf(const png_text& entry) {
    const bool international = entry.compression == PNG_ITXT_COMPRESSION_NONE ||
                               entry.compression == PNG_ITXT_COMPRESSION_zTXt;
    return international ? QString::fromUtf8(entry.text) : QString::fromLatin1(entry.text);
}

QList<PictureText> textsOf(png_structp png, png_infop info) {
    png_textp entries = nullptr;
    const int count = png_get_text(png, info, &entries, nullptr);
    QList<PictureText> texts;
    for (int i = 0; i < count; ++i)
        texts.append({QString::fromLatin1(entries[i].key), textOf(entries[i])});
    return texts;
}

}  // namespace

QString DecodedPicture::text(const QString& key) const {
    for (const PictureText& entry : texts) {
        if (entry.key == key)
            return entry.text;
    }
    return {};
}

bool isPng(const QByteArray& bytes) {
    return bytes.size() >= 8 &&
           png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.constData()), 0, 8) == 0;
}

DecodedPicture decodePng(const QByteArray& bytes, const std::function<void(QSize)>& checkSize) {
    const Overrun overrun = findOverrunningChunk(bytes);
    if (overrun == Overrun::BeforePixels)
        throw Failure(kUnreadablePicture);
    PngReader reader;
    Source source{reinterpret_cast<const png_byte*>(bytes.constData()),
                  static_cast<std::size_t>(bytes.size())};
    reader.guarded([&source](png_structp png, png_infop info) {
        png_set_read_fn(png, &source, readFromSource);
        png_set_chunk_malloc_max(png, kLargestChunk);
        png_set_chunk_cache_max(png, kMostChunksKept);
        png_read_info(png, info);
    });
    // libpng's own limit keeps each side below a million pixels.
    checkSize(QSize(static_cast<int>(png_get_image_width(reader.png(), reader.info())),
                    static_cast<int>(png_get_image_height(reader.png(), reader.info()))));
    if (overrun == Overrun::AfterPixels)
        throw Failure(kUnreadablePicture);
    reader.guarded(chooseRgba);

    DecodedPicture picture;
    QImage& image = picture.image;
    image = QImage(static_cast<int>(png_get_image_width(reader.png(), reader.info())),
                   static_cast<int>(png_get_image_height(reader.png(), reader.info())),
                   QImage::Format_RGBA8888);
    if (image.isNull() || png_get_rowbytes(reader.png(), reader.info()) !=
                              static_cast<std::size_t>(image.width()) * 4)
        throw Failure(kUnreadablePicture);
    // libpng writes each decoded row straight into the image's own scanline.
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[static_cast<std::size_t>(y)] = image.scanLine(y);
    png_bytepp const firstRow = rows.data();
    reader.guarded([firstRow](png_structp png, png_infop info) {
        png_read_image(png, firstRow);
        // Reads the chunks after the picture, text entries among them, up to the end.
        png_read_end(png, info);
    });
    picture.texts = textsOf(reader.png(), reader.info());
    return picture;
}

}  // namespace vexilor
