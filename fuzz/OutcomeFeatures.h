#pragma once

#include <string_view>

namespace vexilor::fuzzing {

// libFuzzer sees the coverage of code built with its instrumentation only, and the
// image libraries are not. So a target also tells it how each input ended (a failure's
// message without its numbers, or the kind and size of a picture): an input that ends
// in a way not seen before is kept, and the fuzzer works its way along the libraries'
// other paths. Outside libFuzzer this only counts.
void noteOutcome(std::string_view outcome);
// A picture read: its sides count by their number of binary digits.
void notePicture(int width, int height);

}  // namespace vexilor::fuzzing
