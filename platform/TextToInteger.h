// Reading a whole number typed by the user as free text.
//
// Pure standard C++ with no Qt dependency, so that the fuzz target can build it on its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vb {

// The text as a signed 32-bit integer, or nothing when it is not a number or out of range.
//
// Accepted: optional spaces or tabs around the number, an optional '+' or '-' directly before
// it, decimal digits with at most one decimal point (at least one digit in all, so "5.", ".5"
// and "5.5" are numbers and "." is not), and an optional exponent: 'e' or 'E', an optional sign
// and one or more digits. The decimal point is '.' or `decimalSeparator`, the one of the user's
// locale (such as ','). Besides that, only ASCII characters take part; anything else is an
// error.
//
// The value is computed exactly from the digits and rounded to the nearest integer, halves to
// the even neighbour ("2.5" -> 2, "3.5" -> 4, "-0.5" -> 0). It is out of range, and so an error,
// when the rounded value lies outside [-2147483648, 2147483647]. Runs in time linear in the
// length of the text and allocates nothing, however long the digits or large the exponent.
std::optional<std::int32_t> textToInt32(std::u16string_view text, char16_t decimalSeparator = u'.');

} // namespace vb
