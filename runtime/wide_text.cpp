#include "runtime/wide_text.h"

namespace {
constexpr int kInvalidArgument = 22; // EINVAL
constexpr int kOutOfRange = 34;      // ERANGE
} // namespace

int CopyWideBounded(wchar_t* destination, std::size_t capacity, const wchar_t* source) {
    if (destination == nullptr || capacity == 0) {
        return kInvalidArgument;
    }
    if (source == nullptr) {
        destination[0] = L'\0';
        return kInvalidArgument;
    }
    for (std::size_t i = 0; i < capacity; ++i) {
        destination[i] = source[i];
        if (source[i] == L'\0') {
            return 0;
        }
    }
    destination[0] = L'\0';
    return kOutOfRange;
}

std::size_t FormatDecimalPadded4(std::int32_t value, wchar_t (&text)[kDecimalTextCapacity]) {
    // Work on the magnitude as unsigned so that the most negative value has one.
    const bool negative = value < 0;
    std::uint32_t magnitude =
        negative ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);

    wchar_t digits[10];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    constexpr std::size_t kWidth = 4;
    const std::size_t used = count + (negative ? 1 : 0);
    const std::size_t zeros = used < kWidth ? kWidth - used : 0;

    std::size_t length = 0;
    if (negative) {
        text[length++] = L'-';
    }
    for (std::size_t i = 0; i < zeros; ++i) {
        text[length++] = L'0';
    }
    while (count > 0) {
        text[length++] = digits[--count];
    }
    text[length] = L'\0';
    return length;
}
