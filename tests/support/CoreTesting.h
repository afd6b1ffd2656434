#pragma once

#include <gmock/gmock.h>

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
