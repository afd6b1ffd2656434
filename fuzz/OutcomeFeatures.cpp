#include "OutcomeFeatures.h"

#include <bit>
#include <cstdint>
#include <functional>
#include <string>

namespace vexilor::fuzzing {
namespace {

// libFuzzer reads this section as counters of its own, like the coverage counters.
__attribute__((section("__libfuzzer_extra_counters"), used)) std::uint8_t outcomeCounters[4096];

}  // namespace

void noteOutcome(std::string_view outcome) {
    std::string withoutNumbers;
    for (char c : outcome)
        if (c < '0' || c > '9')
            withoutNumbers += c;
    ++outcomeCounters[std::hash<std::string>{}(withoutNumbers) % sizeof outcomeCounters];
}

void notePicture(int width, int height) {
    noteOutcome(std::string(std::bit_width(static_cast<unsigned>(width)), 'w') +
                std::string(std::bit_width(static_cast<unsigned>(height)), 'h'));
}

}  // namespace vexilor::fuzzing
