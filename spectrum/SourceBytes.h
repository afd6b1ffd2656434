#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ByteLayout.h"
#include "SourceLabel.h"
#include "SpriteDocument.h"

namespace vexilor {

// What the sources' comment line says of the laid-out bytes: the frames, their size, how
// their bytes are laid out and how many there are.
std::string sourceSummary(const SpriteDocument& document, const ByteLayout& layout,
                          const std::vector<LabelledBytes>& pieces);

// One byte's value as `language` writes it in `base`: $3C or 0x3C, 60, %00111100 or
// 0b00111100.
std::string sourceNumber(std::uint8_t byte, NumberBase base, SourceLanguage language);

}  // namespace vexilor
