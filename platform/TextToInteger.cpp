// The delay's text read as a signed 32-bit integer, in plain C++.
#include "TextToInteger.h"

#include <algorithm>
#include <cstddef>

namespace vb {

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(char16_t c)
{
    return static_cast<int>(c - u'0');
}

bool isSign(char16_t c)
{
    return c == u'+' || c == u'-';
}

// Exponents are read saturating at this magnitude. Past it every number with a nonzero digit is
// either far above the 32-bit range or far below one half, so the clamped value decides the same
// way as the exact one. It also keeps the decimal point position below in 64 bits: a text holds
// fewer than 2^62 characters, and 2^62 + 10^17 is still well within int64.
constexpr std::int64_t kExponentClamp = 100'000'000'000'000'000;

// A rounded magnitude of at most 10^10 - 1 needs at most ten integer digits.
constexpr std::int64_t kMaxIntegerDigits = 10;

constexpr Int32Reading notANumber{};

Int32Reading outOfRange(bool negative)
{
    return {negative ? Int32Reading::BelowRange : Int32Reading::AboveRange};
}

} // namespace

Int32Reading textToInt32(std::u16string_view text, char16_t decimalSeparator,
                         char16_t groupSeparator)
{
    const auto isPoint = [decimalSeparator](char16_t c) {
        return c == u'.' || c == decimalSeparator;
    };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    const std::u16string_view s = text.substr(first, last - first);

    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && isSign(s[pos])) {
        negative = s[pos] == u'-';
        ++pos;
    }

    // The mantissa: digits with at most one decimal point, at least one digit.
    const std::size_t mantissaBegin = pos;
    std::size_t integerDigits = 0;
    std::size_t digitCount = 0;
    bool nonzeroIntegerPart = false;
    bool seenPoint = false;
    char16_t point = 0;
    for (; pos < s.size(); ++pos) {
        const char16_t c = s[pos];
        if (isDigit(c)) {
            ++digitCount;
            if (!seenPoint) {
                ++integerDigits;
                nonzeroIntegerPart = nonzeroIntegerPart || c != u'0';
            }
        } else if (isPoint(c) && !seenPoint) {
            seenPoint = true;
            point = c;
        } else {
            break;
        }
    }
    const std::size_t mantissaEnd = pos;
    if (digitCount == 0) {
        return notANumber;
    }

    // The exponent: 'e' or 'E', an optional sign, one or more digits.
    std::int64_t exponent = 0;
    if (pos < s.size() && (s[pos] == u'e' || s[pos] == u'E')) {
        ++pos;
        bool exponentNegative = false;
        if (pos < s.size() && isSign(s[pos])) {
            exponentNegative = s[pos] == u'-';
            ++pos;
        }
        const std::size_t exponentDigitsBegin = pos;
        for (; pos < s.size() && isDigit(s[pos]); ++pos) {
            exponent = exponent >= kExponentClamp / 10
                           ? kExponentClamp
                           : std::min(exponent * 10 + digitValue(s[pos]), kExponentClamp);
        }
        if (pos == exponentDigitsBegin) {
            return notANumber;
        }
        if (exponentNegative) {
            exponent = -exponent;
        }
    }
    if (pos != s.size()) {
        return notANumber;
    }
    // "10.000" where '.' groups thousands: ten thousand or ten? Neither is guessed.
    if (seenPoint && point == groupSeparator && nonzeroIntegerPart &&
        digitCount - integerDigits == 3) {
        return notANumber;
    }

    // Skip the zeros in front of the first significant digit, wherever the point is.
    std::size_t significantBegin = mantissaBegin;
    std::size_t leadingZeros = 0;
    for (; significantBegin < mantissaEnd; ++significantBegin) {
        const char16_t c = s[significantBegin];
        if (c == u'0') {
            ++leadingZeros;
        } else if (!isPoint(c)) {
            break;
        }
    }
    if (significantBegin == mantissaEnd) {
        return {Int32Reading::Number, 0}; // Only zeros, with any exponent; "-0" is plain 0 too.
    }

    // The value is 0.d1d2d3... * 10^pointPosition, with d1 the first nonzero digit.
    const std::int64_t pointPosition = static_cast<std::int64_t>(integerDigits) -
                                       static_cast<std::int64_t>(leadingZeros) + exponent;
    if (pointPosition > kMaxIntegerDigits) {
        return outOfRange(negative); // At least 10^10.
    }
    if (pointPosition < 0) {
        return {Int32Reading::Number, 0}; // Below 0.1.
    }

    // Take the integer part, then the first fraction digit and whether anything nonzero follows.
    std::int64_t magnitude = 0;
    std::int64_t taken = 0;
    int roundingDigit = 0;
    bool haveRoundingDigit = false;
    bool nonzeroAfterRoundingDigit = false;
    for (std::size_t i = significantBegin; i < mantissaEnd; ++i) {
        const char16_t c = s[i];
        if (isPoint(c)) {
            continue;
        }
        const int d = digitValue(c);
        if (taken < pointPosition) {
            magnitude = magnitude * 10 + d;
            ++taken;
        } else if (!haveRoundingDigit) {
            roundingDigit = d;
            haveRoundingDigit = true;
        } else if (d != 0) {
            nonzeroAfterRoundingDigit = true;
            break;
        }
    }
    for (; taken < pointPosition; ++taken) {
        magnitude *= 10;
    }

    const bool roundUp = roundingDigit > 5 ||
                         (roundingDigit == 5 && (nonzeroAfterRoundingDigit || magnitude % 2 != 0));
    if (roundUp) {
        ++magnitude;
    }

    const std::int64_t limit = negative ? std::int64_t{2147483648} : std::int64_t{2147483647};
    if (magnitude > limit) {
        return outOfRange(negative);
    }
    return {Int32Reading::Number, static_cast<std::int32_t>(negative ? -magnitude : magnitude)};
}

} // namespace vb
