// The module entry service.
#include <atomic>

#include "tarvik/win32.h"

namespace {
std::atomic<uint32_t> disabled_calls{0};
}

TARVIK_WIN32_API BOOL DisableThreadLibraryCalls(HMODULE module) {
    if (!module) return 0;
    disabled_calls.fetch_add(1, std::memory_order_relaxed);
    return 1;
}

TARVIK_WIN32_API uint32_t tarvik_thread_library_calls_disabled() { return disabled_calls.load(); }
