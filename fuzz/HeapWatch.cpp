#include "HeapWatch.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

// Provided by AddressSanitizer; weak, so that the plain build links without them.
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*onAllocate)(const volatile void*, size_t),
                                              void (*onFree)(const volatile void*))
    __attribute__((weak));
size_t __sanitizer_get_allocated_size(const volatile void* pointer) __attribute__((weak));
}

namespace vexilor::fuzzing {
namespace {

// Signed: blocks allocated before the hooks were installed are freed too.
std::atomic<long long> liveBytes{0};
std::atomic<long long> highestBytes{0};

void onAllocate(const volatile void*, size_t size) {
    const long long live = liveBytes += static_cast<long long>(size);
    long long highest = highestBytes.load();
    while (live > highest && !highestBytes.compare_exchange_weak(highest, live)) {
    }
}

// Runs before the block is released, so its size can still be asked for.
void onFree(const volatile void* pointer) {
    liveBytes -= static_cast<long long>(__sanitizer_get_allocated_size(pointer));
}

bool installHooks() {
    return __sanitizer_install_malloc_and_free_hooks != nullptr &&
           __sanitizer_install_malloc_and_free_hooks(onAllocate, onFree) != 0;
}

}  // namespace

HeapWatch::HeapWatch() {
    static const bool installed = installHooks();
    (void)installed;
    startBytes_ = liveBytes.load();
    highestBytes = startBytes_;
}

void HeapWatch::requireAtMost(std::size_t limit, const char* what) const {
    const long long growth = highestBytes.load() - startBytes_;
    if (growth <= static_cast<long long>(limit))
        return;
    std::fprintf(stderr, "%s took %lld bytes of heap at once, more than its limit of %zu\n", what,
                 growth, limit);
    std::abort();
}

void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

}  // namespace vexilor::fuzzing
