// Memory for the string facility, from the process heap, and the failures
// that the standard headers report.
#include "runtime/runtime_failure.h"

#include <cstddef>
#include <new>
#include <windows.h>

namespace {
constexpr const wchar_t* kOutOfMemory = L"Tessaro has run out of memory.";
constexpr const wchar_t* kLibraryFailure = L"Tessaro has met an internal failure.";

void* Allocate(std::size_t size) {
    void* block = HeapAlloc(GetProcessHeap(), 0, size == 0 ? 1 : size);
    if (block == nullptr) {
        FailRuntime(kOutOfMemory);
    }
    return block;
}

void Release(void* block) {
    if (block != nullptr) {
        HeapFree(GetProcessHeap(), 0, block);
    }
}
} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}

void* operator new[](std::size_t size) {
    return Allocate(size);
}

void operator delete(void* block) noexcept {
    Release(block);
}

void operator delete[](void* block) noexcept {
    Release(block);
}

void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}

// The standard headers call these where a C++ library would throw; without
// exceptions they end the process.
namespace std {
void __throw_bad_alloc() {
    FailRuntime(kOutOfMemory);
}

void __throw_bad_array_new_length() {
    FailRuntime(kOutOfMemory);
}

void __throw_length_error(const char*) {
    FailRuntime(kOutOfMemory);
}

void __throw_logic_error(const char*) {
    FailRuntime(kLibraryFailure);
}

void __throw_out_of_range_fmt(const char*, ...) {
    FailRuntime(kLibraryFailure);
}
} // namespace std
