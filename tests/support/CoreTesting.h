#pragma once

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "Failure.h"
#include "SpriteStore.h"

// Matches an action that fails with exactly this user-facing message.
inline auto failsWith(const std::string& message) {
    return testing::ThrowsMessage<vexilor::Failure>(testing::StrEq(message));
}

// How many pixels of the whole 64 x 64 field are set, inside the sprite or not.
inline int setPixelCount(const vexilor::SpriteStore& store) {
    int count = 0;
    for (int column = 0; column < 64; ++column)
        for (int row = 0; row < 64; ++row)
            count += store.pixel(column, row);
    return count;
}

using Rows = std::vector<std::string>;

// Rows of '0' and '1' from the field's top left; the rows may differ in length.
inline vexilor::PixelField fieldOfRows(const Rows& rows) {
    vexilor::PixelField field;
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t column = 0; column < rows[row].size(); ++column)
            field[vexilor::SpriteStore::pixelIndex(int(column), int(row))] =
                rows[row][column] == '1';
    return field;
}

// The field's top-left rows, as many and as long as those of `shape`.
inline Rows rowsOfField(const vexilor::PixelField& field, Rows shape) {
    for (size_t row = 0; row < shape.size(); ++row)
        for (size_t column = 0; column < shape[row].size(); ++column)
            shape[row][column] =
                field[vexilor::SpriteStore::pixelIndex(int(column), int(row))] ? '1' : '0';
    return shape;
}
