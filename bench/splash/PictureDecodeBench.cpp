// Our decode of the title picture into a displayable image beside a bare libjpeg decode
// of the same bytes into a plain buffer, with the settings our decoder chooses. The
// difference is our own overhead; it should stay within a fifth of the bare decode.

#include <vector>

#include <benchmark/benchmark.h>

#include "JpegOutput.h"
#include "TitlePicture.h"

namespace {

using vexilor::PictureColours;

const QByteArray& pictureBytes() {
    static const QByteArray bytes = vexilor::titlePictureBytes();
    return bytes;
}

std::vector<unsigned char> bareDecode(const QByteArray& bytes, PictureColours colours) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    vexilor::chooseJpegOutput(info, colours);
    jpeg_start_decompress(&info);
    const size_t rowBytes = size_t{info.output_width} * info.output_components;
    std::vector<unsigned char> pixels(rowBytes * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + rowBytes * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return pixels;
}

void BM_BareLibjpeg(benchmark::State& state, PictureColours colours) {
    for (auto _ : state)
        benchmark::DoNotOptimize(bareDecode(pictureBytes(), colours));
}

void BM_OurDecode(benchmark::State& state, PictureColours colours) {
    for (auto _ : state)
        benchmark::DoNotOptimize(vexilor::decodeJpeg(pictureBytes(), colours));
}

BENCHMARK_CAPTURE(BM_BareLibjpeg, TrueColour, PictureColours::TrueColour)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OurDecode, TrueColour, PictureColours::TrueColour)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BareLibjpeg, Palette236, PictureColours::Palette236)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OurDecode, Palette236, PictureColours::Palette236)
    ->Unit(benchmark::kMillisecond);

}  // namespace
