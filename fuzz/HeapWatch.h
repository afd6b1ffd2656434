#pragma once

#include <cstddef>

namespace vexilor::fuzzing {

// Follows the heap while one input is handled: how far it grew above where it stood
// when the watch began, at its highest. It counts through the sanitizers' allocation
// hooks, so it sees every allocation of the libraries too; in a build without
// AddressSanitizer it sees nothing and the check passes.
class HeapWatch {
public:
    HeapWatch();
    // Stops the process with a message naming `what` when the heap grew past `limit`.
    void requireAtMost(std::size_t limit, const char* what) const;

private:
    long long startBytes_;
};

// Stops the process with a message; a fuzzer records the input as a finding.
[[noreturn]] void fail(const char* what);

}  // namespace vexilor::fuzzing
