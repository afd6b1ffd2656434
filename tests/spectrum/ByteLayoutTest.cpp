#include <gmock/gmock.h>

#include "ByteLayout.h"
#include "FormFailure.h"

using vexilor::ByteLayout;
using vexilor::ByteOrder;
using vexilor::MaskPlacement;
using vexilor::PixelField;

namespace {

// A field whose pixel rows are `rows`, each a word `width` bits wide, its top bit the
// leftmost pixel.
PixelField field(int width, const std::vector<unsigned>& rows) {
    PixelField bits;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < width; ++x)
            bits[vexilor::SpriteStore::pixelIndex(x, y)] = rows[y] >> (width - 1 - x) & 1;
    return bits;
}

vexilor::SpriteDocument sprite(int width, int height, std::vector<vexilor::SpriteFrame> frames) {
    vexilor::SpriteStore size;
    size.setSize(width, height);
    vexilor::SpriteDocument document(size);
    for (const auto& frame : frames)
        document.insertFrame(document.frameCount(), frame);
    document.removeFrame(0);
    return document;
}

// 16 x 16: the left byte of row y is y, the right one 0x80 + y; the left four and the
// right four columns are transparent.
vexilor::SpriteDocument counting() {
    std::vector<unsigned> rows, mask(16, 0xF00F);
    for (unsigned y = 0; y < 16; ++y)
        rows.push_back(y << 8 | 0x80 | y);
    return sprite(16, 16, {{field(16, rows), field(16, mask)}});
}

// 8 x 8 rows of 0x3C, masked by 0xC3 (its outline).
vexilor::SpriteDocument bar() {
    return sprite(8, 8, {{field(8, std::vector(8, 0x3Cu)), field(8, std::vector(8, 0xC3u))}});
}

// 12 x 8, every pixel set.
vexilor::SpriteDocument partial() {
    return sprite(12, 8, {{field(12, std::vector(8, 0xFFFu)), std::nullopt}});
}

// Two 8 x 8 frames: rows of 0x81 masked by 0x7E, then rows of 0x18 without a mask.
vexilor::SpriteDocument twoFrames() {
    return sprite(8, 8,
                  {{field(8, std::vector(8, 0x81u)), field(8, std::vector(8, 0x7Eu))},
                   {field(8, std::vector(8, 0x18u)), std::nullopt}});
}

std::string repeated(const std::string& hex, int times) {
    std::string text;
    while (times-- > 0)
        text += hex;
    return text;
}

std::string hexOf(const std::vector<std::uint8_t>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t byte : bytes)
        text += {digits[byte >> 4], digits[byte & 15]};
    return text;
}

struct Piece {
    std::string labels;  // joined by ","
    std::string hex;     // blanks between groups are only for reading
};

struct Layout {
    const char* what;
    vexilor::SpriteDocument document;
    ByteLayout layout;
    std::vector<Piece> pieces;
    const char* secondLineName;
};

}  // namespace

TEST(ByteLayout, LaysOutEachOrderMaskPlacementAndShiftedCopyAsWorkedOutByHand) {
    const Layout cases[] = {
        {"cells, as the listing",
         counting(),
         {},
         {{"s", "0001020304050607 8081828384858687 08090A0B0C0D0E0F 88898A8B8C8D8E8F"}},
         "B1"},
        {"pixel rows across the width",
         counting(),
         {ByteOrder::RowByRow},
         {{"s", "0080018102820383048405850686078708880989 0A8A0B8B0C8C0D8D0E8E0F8F"}},
         "row 2"},
        {"columns top to bottom, each byte after its mask byte",
         counting(),
         {ByteOrder::ColumnByColumn, MaskPlacement::Before},
         {{"s",
           "F000F001F002F003F004F005F006F007 F008F009F00AF00BF00CF00DF00EF00F"
           "0F800F810F820F830F840F850F860F87 0F880F890F8A0F8B0F8C0F8D0F8E0F8F"}},
         "A2"},
        {"cells with the mask as a block after them",
         counting(),
         {ByteOrder::CellByCell, MaskPlacement::Block},
         {{"s", "0001020304050607 8081828384858687 08090A0B0C0D0E0F 88898A8B8C8D8E8F"},
          {"s_mask",
           repeated("F0", 8) + repeated("0F", 8) + repeated("F0", 8) + repeated("0F", 8)}},
         "B1"},
        {"two shifted copies, each followed by its mask",
         bar(),
         {ByteOrder::CellByCell, MaskPlacement::Block, 2},
         {{"s,s_1_0", repeated("3C", 8) + repeated("00", 8)},
          {"s_1_0_mask", repeated("C3", 8) + repeated("FF", 8)},
          {"s_1_4", repeated("03", 8) + repeated("C0", 8)},
          {"s_1_4_mask", repeated("FC", 8) + repeated("3F", 8)}},
         "B1"},
        {"frames, the one without a mask all opaque, each byte before its mask byte",
         twoFrames(),
         {ByteOrder::RowByRow, MaskPlacement::After},
         {{"s,s_1", repeated("817E", 8)}, {"s_2", repeated("1800", 8)}},
         "row 2"},
        {"a partial byte's pixels beyond the width transparent",
         partial(),
         {ByteOrder::RowByRow, MaskPlacement::Before},
         {{"s", repeated("00FF0FF0", 8)}},
         "row 2"},
        {"a partial cell left out of shifted copies too",
         partial(),
         {ByteOrder::CellByCell, MaskPlacement::None, 2},
         {{"s,s_1_0", repeated("FF", 8) + repeated("00", 8)},
          {"s_1_4", repeated("0F", 8) + repeated("F0", 8)}},
         "B1"},
    };
    for (const Layout& layout : cases) {
        SCOPED_TRACE(layout.what);
        const auto pieces = vexilor::layOut(layout.document, layout.layout, "s");
        ASSERT_EQ(pieces.size(), layout.pieces.size());
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            std::string hex = layout.pieces[i].hex;
            std::erase(hex, ' ');
            std::string labels;
            for (const std::string& label : pieces[i].labels)
                labels += (labels.empty() ? "" : ",") + label;
            EXPECT_EQ(labels, layout.pieces[i].labels);
            EXPECT_EQ(hexOf(pieces[i].bytes), hex) << labels;
        }
        EXPECT_EQ(vexilor::lineName(pieces.front(), 1), layout.secondLineName);
    }
    // No full cell to lay out, and a shift that leaves no whole pixel steps.
    EXPECT_THROW(vexilor::layOut(sprite(4, 12, {{}}), {ByteOrder::ColumnByColumn}, "s"),
                 vexilor::FormFailure);
    EXPECT_THROW(vexilor::layOut(bar(), {ByteOrder::CellByCell, MaskPlacement::None, 3}, "s"),
                 vexilor::Failure);
}
