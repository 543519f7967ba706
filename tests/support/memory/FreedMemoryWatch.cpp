#include "support/memory/FreedMemoryWatch.h"

#include <dlfcn.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <stdexcept>

// The sanitizer's free, where the program has one; glibc's otherwise.
extern "C" void __interceptor_free(void* block) __attribute__((weak));  // NOLINT(bugprone-reserved-identifier)
extern "C" void __libc_free(void* block);                               // NOLINT(bugprone-reserved-identifier)

namespace quorbit::test {
namespace {

constexpr std::size_t maxTexts = 4;
constexpr std::size_t maxTextLength = 128;

// Fixed storage: operator delete must not allocate, and a thread still looking when the watch
// ends must not read freed memory.
struct Watched {
    std::array<std::array<char, maxTextLength>, maxTexts> texts{};
    std::array<std::size_t, maxTexts> lengths{};
    std::size_t count = 0;
};

// free() runs before the address sanitizer has set itself up, so the code on that path is not
// instrumented and uses the compiler's atomic built-ins rather than calls into std::atomic.
#define QUORBIT_UNINSTRUMENTED __attribute__((no_sanitize_address))

Watched watched;
bool armed = false;
std::size_t holdingBlocks = 0;

QUORBIT_UNINSTRUMENTED bool isArmed() noexcept { return __atomic_load_n(&armed, __ATOMIC_ACQUIRE); }

QUORBIT_UNINSTRUMENTED void look(void* block, std::size_t size) noexcept {
    if (block == nullptr || !isArmed()) return;
    for (std::size_t index = 0; index < watched.count; ++index) {
        if (memmem(block, size, watched.texts[index].data(), watched.lengths[index]) != nullptr) {
            __atomic_fetch_add(&holdingBlocks, 1, __ATOMIC_RELAXED);
            return;
        }
    }
}

QUORBIT_UNINSTRUMENTED void lookUnsized(void* block) noexcept {
    if (block != nullptr && isArmed()) look(block, malloc_usable_size(block));
}

// The delete this program would have had without ours: the sanitizer's or the C++ library's.
template <typename Function>
Function next(const char* mangledName) {
    static_assert(sizeof(Function) == sizeof(void*));
    void* found = dlsym(RTLD_NEXT, mangledName);
    if (found == nullptr) std::abort();
    Function function;
    std::memcpy(&function, &found, sizeof(found));
    return function;
}

using Plain = void (*)(void*) noexcept;
using Sized = void (*)(void*, std::size_t) noexcept;
using Aligned = void (*)(void*, std::align_val_t) noexcept;
using SizedAligned = void (*)(void*, std::size_t, std::align_val_t) noexcept;
using PlainNothrow = void (*)(void*, const std::nothrow_t&) noexcept;
using AlignedNothrow = void (*)(void*, std::align_val_t, const std::nothrow_t&) noexcept;

}  // namespace

FreedMemoryWatch::FreedMemoryWatch(std::initializer_list<std::string_view> texts) {
    if (texts.size() > maxTexts || isArmed()) throw std::logic_error("one watch of at most four texts");
    watched.count = 0;
    for (const std::string_view text : texts) {
        if (text.empty() || text.size() > maxTextLength) throw std::logic_error("watched text of 1 to 128 bytes");
        std::copy(text.begin(), text.end(), watched.texts[watched.count].begin());
        watched.lengths[watched.count++] = text.size();
    }
    __atomic_store_n(&holdingBlocks, 0, __ATOMIC_RELAXED);
    __atomic_store_n(&armed, true, __ATOMIC_RELEASE);
}

FreedMemoryWatch::~FreedMemoryWatch() { __atomic_store_n(&armed, false, __ATOMIC_RELEASE); }

std::size_t FreedMemoryWatch::blocksHoldingText() const { return __atomic_load_n(&holdingBlocks, __ATOMIC_RELAXED); }

}  // namespace quorbit::test

using quorbit::test::look;
using quorbit::test::lookUnsized;
using quorbit::test::next;

QUORBIT_UNINSTRUMENTED void operator delete(void* block) noexcept {
    static const auto forward = next<quorbit::test::Plain>("_ZdlPv");
    lookUnsized(block);
    forward(block);
}

QUORBIT_UNINSTRUMENTED void operator delete[](void* block) noexcept {
    static const auto forward = next<quorbit::test::Plain>("_ZdaPv");
    lookUnsized(block);
    forward(block);
}

QUORBIT_UNINSTRUMENTED void operator delete(void* block, std::size_t size) noexcept {
    static const auto forward = next<quorbit::test::Sized>("_ZdlPvm");
    look(block, size);
    forward(block, size);
}

QUORBIT_UNINSTRUMENTED void operator delete[](void* block, std::size_t size) noexcept {
    static const auto forward = next<quorbit::test::Sized>("_ZdaPvm");
    look(block, size);
    forward(block, size);
}

QUORBIT_UNINSTRUMENTED void operator delete(void* block, std::align_val_t alignment) noexcept {
    static const auto forward = next<quorbit::test::Aligned>("_ZdlPvSt11align_val_t");
    lookUnsized(block);
    forward(block, alignment);
}

QUORBIT_UNINSTRUMENTED void operator delete[](void* block, std::align_val_t alignment) noexcept {
    static const auto forward = next<quorbit::test::Aligned>("_ZdaPvSt11align_val_t");
    lookUnsized(block);
    forward(block, alignment);
}

QUORBIT_UNINSTRUMENTED void operator delete(void* block, std::size_t size, std::align_val_t alignment) noexcept {
    static const auto forward = next<quorbit::test::SizedAligned>("_ZdlPvmSt11align_val_t");
    look(block, size);
    forward(block, size, alignment);
}

QUORBIT_UNINSTRUMENTED void operator delete[](void* block, std::size_t size, std::align_val_t alignment) noexcept {
    static const auto forward = next<quorbit::test::SizedAligned>("_ZdaPvmSt11align_val_t");
    look(block, size);
    forward(block, size, alignment);
}

QUORBIT_UNINSTRUMENTED void operator delete(void* block, const std::nothrow_t& tag) noexcept {
    static const auto forward = next<quorbit::test::PlainNothrow>("_ZdlPvRKSt9nothrow_t");
    lookUnsized(block);
    forward(block, tag);
}

QUORBIT_UNINSTRUMENTED void operator delete[](void* block, const std::nothrow_t& tag) noexcept {
    static const auto forward = next<quorbit::test::PlainNothrow>("_ZdaPvRKSt9nothrow_t");
    lookUnsized(block);
    forward(block, tag);
}

QUORBIT_UNINSTRUMENTED
void operator delete(void* block, std::align_val_t alignment, const std::nothrow_t& tag) noexcept {
    static const auto forward = next<quorbit::test::AlignedNothrow>("_ZdlPvSt11align_val_tRKSt9nothrow_t");
    lookUnsized(block);
    forward(block, alignment, tag);
}

QUORBIT_UNINSTRUMENTED
void operator delete[](void* block, std::align_val_t alignment, const std::nothrow_t& tag) noexcept {
    static const auto forward = next<quorbit::test::AlignedNothrow>("_ZdaPvSt11align_val_tRKSt9nothrow_t");
    lookUnsized(block);
    forward(block, alignment, tag);
}

extern "C" QUORBIT_UNINSTRUMENTED void free(void* block) noexcept {
    lookUnsized(block);
    if (__interceptor_free != nullptr) {
        __interceptor_free(block);
    } else {
        __libc_free(block);
    }
}
