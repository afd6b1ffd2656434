#include "SpriteTransforms.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vexilor;

namespace {

using Rows = std::vector<std::string>;
using Edit = std::function<void(SpriteStore&)>;

// A sprite of this size on a field that starts with these rows of '0' and '1'; the rows
// may reach beyond the sprite.
SpriteStore storeWith(int width, int height, const Rows& rows) {
    SpriteStore store;
    store.setSize(64, 64);
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t column = 0; column < rows[row].size(); ++column)
            store.setPixel(int(column), int(row), rows[row][column] - '0');
    store.setSize(width, height);
    return store;
}

// The field's top-left rows, as many and as long as those of `shape`.
Rows rowsOf(const SpriteStore& store, Rows shape) {
    for (size_t row = 0; row < shape.size(); ++row)
        for (size_t column = 0; column < shape[row].size(); ++column)
            shape[row][column] = char('0' + store.pixel(int(column), int(row)));
    return shape;
}

Edit shift(ShiftDirection direction) {
    return [direction](SpriteStore& store) { shiftPixels(store, direction); };
}

Edit paste(const Rows& rows) {
    const PixelPicture picture{int(rows[0].size()), int(rows.size()),
                               storeWith(1, 1, rows).field()};
    return [picture](SpriteStore& store) { pastePixels(store, picture); };
}

}  // namespace

TEST(SpriteTransforms, ChangeOnlyTheSpritesPixelsInOneRevisionStep) {
    const Edit up = shift(ShiftDirection::Up), down = shift(ShiftDirection::Down);
    const Edit setSameField = [](SpriteStore& store) { store.setField(store.field()); };
    const Edit setFieldBeyondSprite = [](SpriteStore& store) {
        store.setField(storeWith(1, 1, {"001"}).field());
    };
    const struct {
        int width, height;
        Rows before;
        Edit edit;
        Rows after;
    } cases[] = {
        {3, 2, {"1101", "0100", "1111"}, mirrorLeftRight, {"0111", "0100", "1111"}},
        {2, 3, {"100", "011", "111", "101"}, mirrorTopBottom, {"110", "011", "101", "101"}},
        {3, 3, {"1100", "0011", "0000", "1111"}, rotateClockwise, {"0010", "0011", "0100", "1111"}},
        {3, 2, {"110", "001"}, rotateClockwise, {"110", "001"}},
        {1, 1, {"10", "11"}, rotateClockwise, {"10", "11"}},
        {1, 1, {"01", "10"}, invertPixels, {"11", "10"}},
        {1, 1, {"1"}, shift(ShiftDirection::Left), {"1"}},
        {3, 1, {"1001"}, shift(ShiftDirection::Left), {"0011"}},
        {3, 2, {"110", "011"}, shift(ShiftDirection::Right), {"011", "101"}},
        {2, 3, {"10", "01", "00", "11"}, up, {"01", "00", "10", "11"}},
        {1, 3, {"1", "0", "1"}, down, {"1", "1", "0"}},
        // A full-height column must not carry a pixel over into its neighbour.
        {3, 64, Rows(64, "010"), up, Rows(64, "010")},
        {3, 64, Rows(64, "010"), down, Rows(64, "010")},
        {0, 2, {"10"}, invertPixels, {"10"}},
        {-3, -3, {"10"}, up, {"10"}},
        {2, 2, {"000", "001", "111"}, paste({"111", "111", "111"}), {"110", "111", "111"}},
        {3, 2, {"111", "111"}, paste({"10"}), {"101", "111"}},
        {0, 0, {"0"}, paste({"1"}), {"0"}},
        {2, 2, {"10"}, setSameField, {"10"}},
        {1, 1, {"100"}, setFieldBeyondSprite, {"001"}},
    };
    int number = 0;
    for (const auto& [width, height, before, edit, after] : cases) {
        SCOPED_TRACE("case " + std::to_string(++number));
        SpriteStore store = storeWith(width, height, before);
        const auto revision = store.pixelRevision();
        edit(store);
        EXPECT_EQ(rowsOf(store, after), after);
        EXPECT_EQ(store.pixelRevision() - revision, before == after ? 0u : 1u);
        EXPECT_EQ(std::pair(store.width(), store.height()), std::pair(width, height));
    }
}
