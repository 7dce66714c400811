// Reading a whole number typed by the user as free text.
//
// Pure standard C++ with no Qt dependency, so that the fuzz target can build it on its own.
#pragma once

#include <cstdint>
#include <string_view>

namespace vb {

// A text read as a signed 32-bit integer: the number, or why there is none.
struct Int32Reading
{
    enum Status { Number, NotANumber, AboveRange, BelowRange };
    Status status = NotANumber;
    std::int32_t value = 0; // the number; 0 unless status is Number
    bool operator==(const Int32Reading &) const = default;
};

// The text as a signed 32-bit integer.
//
// Accepted: optional spaces or tabs around the number, an optional '+' or '-' directly before
// it, decimal digits with at most one decimal point (at least one digit in all, so "5.", ".5"
// and "5.5" are numbers and "." is not), and an optional exponent: 'e' or 'E', an optional sign
// and one or more digits. The decimal point is '.' or `decimalSeparator`, the one of the user's
// locale (such as ','). Besides that, only ASCII characters take part; anything else is not a
// number.
//
// Where the locale groups thousands with a character that is also read as the decimal point
// (`groupSeparator` '.' in German; '\0' for none), "10.000" may mean ten thousand: a number whose
// point is that character, with a nonzero integer part and exactly three digits after the point,
// is ambiguous and so not a number. "0.125", ".125" and "1.0000" cannot be grouping and are read
// as written.
//
// The value is computed exactly from the digits and rounded to the nearest integer, halves to
// the even neighbour ("2.5" -> 2, "3.5" -> 4, "-0.5" -> 0). A number whose rounded value lies
// outside [-2147483648, 2147483647] is AboveRange or BelowRange. Runs in time linear in the
// length of the text and allocates nothing, however long the digits or large the exponent.
Int32Reading textToInt32(std::u16string_view text, char16_t decimalSeparator = u'.',
                         char16_t groupSeparator = u'\0');

} // namespace vb
