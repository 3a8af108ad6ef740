// Small wide-string routines that both builds share, so that the Windows
// build, which has no C library, behaves exactly like the host build.
#pragma once

#include <cstddef>
#include <cstdint>

// Copies `source` with its terminator into `destination`, which holds
// `capacity` characters. Returns 0 on success. When the destinations are
// unusable it returns non-zero (22); when the text does not fit it returns
// non-zero (34) and leaves `destination` empty.
int CopyWideBounded(wchar_t* destination, std::size_t capacity, const wchar_t* source);

// Room for the longest text that FormatDecimalPadded4 writes: a sign, ten
// digits and the terminator.
constexpr std::size_t kDecimalTextCapacity = 12;

// Writes `value` as a signed decimal number, zero-padded on the left to at
// least four characters (the sign counts), like printf's "%04d". Returns the
// number of characters written, without the terminator.
std::size_t FormatDecimalPadded4(std::int32_t value, wchar_t (&text)[kDecimalTextCapacity]);
