// The reference reading of the delay (see reference_texttointeger.h).
#include "tests/fuzz/reference_texttointeger.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace reference {

namespace {

// ---- Grammar ------------------------------------------------------------------------------

enum class Symbol { Blank, Sign, Digit, Point, ExpMark, Other };

enum State {
    Start,     // blanks so far
    Signed,    // '+' or '-' read
    Integer,   // integer digits read
    LonePoint, // a point with no digit before it
    Fraction,  // a point with a digit before or after it
    ExpMark,   // 'e' or 'E' read
    ExpSign,   // exponent sign read
    Exponent,  // exponent digits read
    Trailing,  // blanks after a complete number
    Dead,
    StateCount
};

constexpr int kSymbolCount = 6;

// kNext[state][symbol]
// clang-format off
constexpr State kNext[StateCount][kSymbolCount] = {
    //               Blank     Sign     Digit     Point      ExpMark  Other
    /* Start     */ {Start,    Signed,  Integer,  LonePoint, Dead,    Dead},
    /* Signed    */ {Dead,     Dead,    Integer,  LonePoint, Dead,    Dead},
    /* Integer   */ {Trailing, Dead,    Integer,  Fraction,  ExpMark, Dead},
    /* LonePoint */ {Dead,     Dead,    Fraction, Dead,      Dead,    Dead},
    /* Fraction  */ {Trailing, Dead,    Fraction, Dead,      ExpMark, Dead},
    /* ExpMark   */ {Dead,     ExpSign, Exponent, Dead,      Dead,    Dead},
    /* ExpSign   */ {Dead,     Dead,    Exponent, Dead,      Dead,    Dead},
    /* Exponent  */ {Trailing, Dead,    Exponent, Dead,      Dead,    Dead},
    /* Trailing  */ {Trailing, Dead,    Dead,     Dead,      Dead,    Dead},
    /* Dead      */ {Dead,     Dead,    Dead,     Dead,      Dead,    Dead},
};
// clang-format on

Symbol classify(char16_t c, char16_t separator)
{
    if (c == separator) {
        return Symbol::Point;
    }
    switch (c) {
    case u' ':
    case u'\t':
        return Symbol::Blank;
    case u'+':
    case u'-':
        return Symbol::Sign;
    case u'.':
        return Symbol::Point;
    case u'e':
    case u'E':
        return Symbol::ExpMark;
    default:
        return (c >= u'0' && c <= u'9') ? Symbol::Digit : Symbol::Other;
    }
}

struct Parsed
{
    bool negative = false;
    std::string mantissa; // all mantissa digits, point removed
    std::size_t fractionDigits = 0;
    char16_t point = 0; // the character read as the decimal point, if any
    bool exponentNegative = false;
    std::string exponent; // exponent digits
};

std::optional<Parsed> parse(std::u16string_view text, char16_t separator)
{
    Parsed p;
    State state = Start;
    for (const char16_t c : text) {
        const Symbol symbol = classify(c, separator);
        const State next = kNext[state][static_cast<int>(symbol)];
        if (symbol == Symbol::Sign && state == Start) {
            p.negative = c == u'-';
        } else if (symbol == Symbol::Sign && state == ExpMark) {
            p.exponentNegative = c == u'-';
        } else if (symbol == Symbol::Point) {
            p.point = c;
        } else if (symbol == Symbol::Digit && next == Integer) {
            p.mantissa.push_back(static_cast<char>(c));
        } else if (symbol == Symbol::Digit && next == Fraction) {
            p.mantissa.push_back(static_cast<char>(c));
            ++p.fractionDigits;
        } else if (symbol == Symbol::Digit && next == Exponent) {
            p.exponent.push_back(static_cast<char>(c));
        }
        state = next;
        if (state == Dead) {
            return std::nullopt;
        }
    }
    if (state != Integer && state != Fraction && state != Exponent && state != Trailing) {
        return std::nullopt;
    }
    return p;
}

// ---- Big integers, base 10^9, least significant limb first, no leading zero limbs -----------

using Big = std::vector<std::uint32_t>;
constexpr std::uint32_t kBase = 1'000'000'000;

void trim(Big &a)
{
    while (!a.empty() && a.back() == 0) {
        a.pop_back();
    }
}

Big fromDecimal(const std::string &digits)
{
    Big a;
    for (std::size_t end = digits.size(); end > 0;) {
        const std::size_t begin = end >= 9 ? end - 9 : 0;
        std::uint32_t limb = 0;
        for (std::size_t i = begin; i < end; ++i) {
            limb = limb * 10 + static_cast<std::uint32_t>(digits[i] - '0');
        }
        a.push_back(limb);
        end = begin;
    }
    trim(a);
    return a;
}

std::uint32_t smallPow10(std::size_t n)
{
    std::uint32_t r = 1;
    for (std::size_t i = 0; i < n; ++i) {
        r *= 10;
    }
    return r;
}

Big mulSmall(const Big &a, std::uint32_t m)
{
    Big r;
    std::uint64_t carry = 0;
    for (const std::uint32_t limb : a) {
        const std::uint64_t v = std::uint64_t{limb} * m + carry;
        r.push_back(static_cast<std::uint32_t>(v % kBase));
        carry = v / kBase;
    }
    while (carry != 0) {
        r.push_back(static_cast<std::uint32_t>(carry % kBase));
        carry /= kBase;
    }
    trim(r);
    return r;
}

Big divSmall(const Big &a, std::uint32_t d)
{
    Big r(a.size());
    std::uint64_t rem = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const std::uint64_t v = rem * kBase + a[i];
        r[i] = static_cast<std::uint32_t>(v / d);
        rem = v % d;
    }
    trim(r);
    return r;
}

// a * 10^n
Big mulPow10(const Big &a, std::size_t n)
{
    Big r = mulSmall(a, smallPow10(n % 9));
    if (!r.empty()) {
        r.insert(r.begin(), n / 9, 0);
    }
    return r;
}

// a / 10^n, rounded down
Big divPow10(const Big &a, std::size_t n)
{
    if (n / 9 >= a.size()) {
        return {};
    }
    return divSmall(Big(a.begin() + static_cast<std::ptrdiff_t>(n / 9), a.end()),
                    smallPow10(n % 9));
}

int compare(const Big &a, const Big &b)
{
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

// a - b, for a >= b
Big subtract(const Big &a, const Big &b)
{
    Big r(a.size());
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t v = std::int64_t{a[i]} - borrow - (i < b.size() ? std::int64_t{b[i]} : 0);
        borrow = v < 0 ? 1 : 0;
        r[i] = static_cast<std::uint32_t>(v + borrow * kBase);
    }
    trim(r);
    return r;
}

Big addOne(Big a)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (++a[i] < kBase) {
            return a;
        }
        a[i] = 0;
    }
    a.push_back(1);
    return a;
}

// ---- Reference value ----------------------------------------------------------------------

} // namespace

vb::Int32Reading textToInt32(std::u16string_view text, char16_t separator, char16_t group)
{
    using Reading = vb::Int32Reading;
    const std::optional<Parsed> p = parse(text, separator);
    if (!p) {
        return {Reading::NotANumber};
    }
    // Grouping of thousands read as a point: "1.000" but not "0.125".
    const std::string integerPart = p->mantissa.substr(0, p->mantissa.size() - p->fractionDigits);
    if (p->point != 0 && p->point == group && p->fractionDigits == 3 &&
        integerPart.find_first_not_of('0') != std::string::npos) {
        return {Reading::NotANumber};
    }
    const Reading outOfRange{p->negative ? Reading::BelowRange : Reading::AboveRange};

    std::string mantissa = p->mantissa;
    mantissa.erase(0, std::min(mantissa.find_first_not_of('0'), mantissa.size()));
    if (mantissa.empty()) {
        return {Reading::Number, 0};
    }
    const Big m = fromDecimal(mantissa);

    // The value is m * 10^shift with shift = exponent - fractionDigits.
    std::string exponent = p->exponent;
    exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size()));
    if (exponent.size() > 18) {
        // |exponent| >= 10^18 while m has far fewer digits than that.
        return p->exponentNegative ? Reading{Reading::Number, 0} : outOfRange;
    }
    const std::int64_t e = exponent.empty() ? 0 : std::stoll(exponent);
    const std::int64_t shift =
        (p->exponentNegative ? -e : e) - static_cast<std::int64_t>(p->fractionDigits);

    Big rounded;
    if (shift >= 0) {
        // Multiply by ten until done or clearly beyond 32 bits.
        const Big beyond = fromDecimal("10000000000");
        rounded = m;
        for (std::int64_t i = 0; i < shift && compare(rounded, beyond) < 0; ++i) {
            rounded = mulSmall(rounded, 10);
        }
    } else {
        const std::uint64_t down = static_cast<std::uint64_t>(-shift);
        if (down > mantissa.size() + 1) {
            return {Reading::Number, 0}; // m < 10^digits, so the value is below 0.1
        }
        const std::size_t n = static_cast<std::size_t>(down);
        const Big q = divPow10(m, n);
        const Big remainder = subtract(m, mulPow10(q, n));
        const Big divisor = mulPow10(Big{1}, n);
        const int c = compare(mulSmall(remainder, 2), divisor);
        const bool odd = !q.empty() && q[0] % 2 == 1;
        rounded = (c > 0 || (c == 0 && odd)) ? addOne(q) : q;
    }

    const Big limit = fromDecimal(p->negative ? "2147483648" : "2147483647");
    if (compare(rounded, limit) > 0) {
        return outOfRange;
    }
    std::int64_t v = 0;
    for (std::size_t i = rounded.size(); i-- > 0;) {
        v = v * kBase + rounded[i];
    }
    return {Reading::Number, static_cast<std::int32_t>(p->negative ? -v : v)};
}

} // namespace reference
