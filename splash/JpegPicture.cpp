#include "JpegPicture.h"

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "Failure.h"
#include "JpegOutput.h"

namespace vexilor {
namespace {

// What the library may allocate for one picture. The largest one needs about 36 MiB:
// whole-picture coefficient buffers for a multi-scan picture (2 bytes a sample) plus
// the decoded picture kept for the two-pass colour choice.
constexpr long kLibraryMemoryLimit = 64L * 1024 * 1024;

// libjpeg reports every error through a callback that must not return. Ours jumps back
// to the guarded step that was running (see Decompressor::guarded) with the library's
// message kept here, so a damaged picture becomes a Failure instead of an exit.
struct ErrorTrap {
    jpeg_error_mgr manager;  // first member: libjpeg only sees this part
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void leaveFailedStep(j_common_ptr info) {
    auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
    info->err->format_message(info, trap->message);
    std::longjmp(trap->escape, 1);
}

// Level -1 is a warning about corrupt data (stray bytes before a marker, a premature
// end): the library goes on, filling what is missing with grey, and so do we. Only its
// errors end a decoding. Warnings are counted as the library does, but not printed, and
// trace messages (levels above 0) are not wanted.
void onMessage(j_common_ptr info, int level) {
    if (level < 0)
        ++info->err->num_warnings;
}

class Decompressor {
public:
    Decompressor() {
        info_.err = jpeg_std_error(&trap_.manager);
        trap_.manager.error_exit = leaveFailedStep;
        trap_.manager.emit_message = onMessage;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info_); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    // Runs `step`, which may only call libjpeg and touch plain data: when libjpeg fails,
    // longjmp skips the frames of the step and of the library, so nothing living there
    // may need a destructor. This frame and its callers are never skipped.
    template <typename Step>
    void guarded(const Step& step) {
        if (setjmp(trap_.escape) == 0) {
            step(info_);
            return;
        }
        if (trap_.manager.msg_code == JERR_NO_BACKING_STORE)
            throw Failure(
                "Cannot decode the picture: it needs more memory than a picture of "
                "its size may take");
        throw Failure(std::string("Cannot decode the picture: ") + trap_.message);
    }

    jpeg_decompress_struct& info() { return info_; }

private:
    jpeg_decompress_struct info_{};  // zeroed, so destroying it is safe even if creation failed
    ErrorTrap trap_{};
};

QImage imageFor(const jpeg_decompress_struct& info, PictureColours colours) {
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    if (colours == PictureColours::TrueColour)
        return QImage(width, height, QImage::Format_RGB888);
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    table.reserve(info.actual_number_of_colors);
    for (int i = 0; i < info.actual_number_of_colors; ++i)
        table.append(qRgb(info.colormap[0][i], info.colormap[1][i], info.colormap[2][i]));
    image.setColorTable(table);
    return image;
}

// The library sizes its row buffers from the header alone, so the header is checked
// before anything is allocated for the picture.
void refuseOversizedPicture(const jpeg_decompress_struct& info) {
    if (info.image_width <= kLargestPictureSide && info.image_height <= kLargestPictureSide)
        return;
    throw Failure(QStringLiteral("Cannot decode the picture: it is %1 x %2 pixels, more than "
                                 "the largest picture of %3 x %3")
                      .arg(info.image_width)
                      .arg(info.image_height)
                      .arg(kLargestPictureSide)
                      .toStdString());
}

}  // namespace

void chooseJpegOutput(jpeg_decompress_struct& info, PictureColours colours) {
    info.scale_num = 1;
    info.scale_denom = 1;
    info.dct_method = JDCT_FLOAT;
    info.out_color_space = JCS_RGB;
    if (colours == PictureColours::Palette236) {
        info.quantize_colors = TRUE;
        info.desired_number_of_colors = 236;
        info.two_pass_quantize = TRUE;
        info.dither_mode = JDITHER_FS;
    }
}

QImage decodeJpeg(const QByteArray& bytes, PictureColours colours) {
    Decompressor decompressor;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<unsigned long>(bytes.size());
    decompressor.guarded([&](jpeg_decompress_struct& info) {
        jpeg_create_decompress(&info);
        // Multi-scan pictures and the two-pass colour choice keep whole-picture buffers;
        // past this the library fails instead of allocating more.
        info.mem->max_memory_to_use = kLibraryMemoryLimit;
        jpeg_mem_src(&info, data, size);
        jpeg_read_header(&info, TRUE);
    });
    refuseOversizedPicture(decompressor.info());
    decompressor.guarded([colours](jpeg_decompress_struct& info) {
        chooseJpegOutput(info, colours);
        jpeg_start_decompress(&info);  // runs the first pass of the colour choice too
    });

    QImage image = imageFor(decompressor.info(), colours);
    if (image.isNull())
        throw Failure("Cannot decode the picture: it is too large");
    // libjpeg writes each decoded row straight into the image's own scanline.
    std::vector<JSAMPROW> rows(static_cast<size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[static_cast<size_t>(y)] = image.scanLine(y);

    JSAMPROW* const firstRow = rows.data();
    decompressor.guarded([firstRow](jpeg_decompress_struct& info) {
        while (info.output_scanline < info.output_height)
            jpeg_read_scanlines(&info, firstRow + info.output_scanline,
                                info.output_height - info.output_scanline);
        jpeg_finish_decompress(&info);
    });
    return image;
}

}  // namespace vexilor
