// The memory and wide-string functions that the compiler and the standard
// headers call. Built with -fno-tree-loop-distribute-patterns so that GCC does
// not turn these loops back into calls to themselves.
#include "runtime/wide_text.h"

#include <cstddef>

extern "C" {

void* memcpy(void* destination, const void* source, std::size_t size) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    for (std::size_t i = 0; i < size; ++i) {
        to[i] = from[i];
    }
    return destination;
}

void* memmove(void* destination, const void* source, std::size_t size) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    if (to < from) {
        for (std::size_t i = 0; i < size; ++i) {
            to[i] = from[i];
        }
    } else {
        for (std::size_t i = size; i > 0; --i) {
            to[i - 1] = from[i - 1];
        }
    }
    return destination;
}

void* memset(void* destination, int value, std::size_t size) {
    auto* to = static_cast<unsigned char*>(destination);
    for (std::size_t i = 0; i < size; ++i) {
        to[i] = static_cast<unsigned char>(value);
    }
    return destination;
}

int memcmp(const void* left, const void* right, std::size_t size) {
    const auto* a = static_cast<const unsigned char*>(left);
    const auto* b = static_cast<const unsigned char*>(right);
    for (std::size_t i = 0; i < size; ++i) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

std::size_t wcslen(const wchar_t* text) {
    std::size_t length = 0;
    while (text[length] != L'\0') {
        ++length;
    }
    return length;
}

wchar_t* wmemcpy(wchar_t* destination, const wchar_t* source, std::size_t count) {
    memcpy(destination, source, count * sizeof(wchar_t));
    return destination;
}

wchar_t* wmemmove(wchar_t* destination, const wchar_t* source, std::size_t count) {
    memmove(destination, source, count * sizeof(wchar_t));
    return destination;
}

wchar_t* wmemset(wchar_t* destination, wchar_t value, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        destination[i] = value;
    }
    return destination;
}

int wmemcmp(const wchar_t* left, const wchar_t* right, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (left[i] != right[i]) {
            return left[i] < right[i] ? -1 : 1;
        }
    }
    return 0;
}

// The program calls wcscpy_s as the C library declares it, through an import
// pointer; this build answers that pointer itself.
static int __cdecl BoundedCopyForImport(wchar_t* destination, std::size_t capacity,
                                        const wchar_t* source) {
    return CopyWideBounded(destination, capacity, source);
}
int(__cdecl* _imp__wcscpy_s)(wchar_t*, std::size_t, const wchar_t*) = BoundedCopyForImport;

} // extern "C"
