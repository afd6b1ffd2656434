#pragma once

#include <random>

#include "SpriteStore.h"

// A full 64 x 64 sprite with about half its pixels set, the same on every run.
inline vexilor::SpriteStore randomFullSprite() {
    vexilor::SpriteStore store;
    store.setSize(64, 64);
    std::mt19937 random(2026);
    for (int c = 0; c < 64; ++c)
        for (int r = 0; r < 64; ++r)
            store.setPixel(c, r, static_cast<int>(random() & 1));
    return store;
}
