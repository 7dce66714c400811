// libFuzzer target for vb::textToInt32.
//
// Every input is read twice: byte by byte (Latin-1, which is UTF-8 for ASCII) and as little-endian
// UTF-16 code units, and each reading as in English (decimal point, comma grouping) and as in
// German (decimal comma besides the point, point grouping). Each goes through textToInt32 and
// through the reference written another way (reference_texttointeger.h). Any disagreement aborts.
#include "platform/TextToInteger.h"
#include "tests/fuzz/reference_texttointeger.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using Reading = vb::Int32Reading;

// ---- Checks -------------------------------------------------------------------------------

void describe(const char *what, const Reading &r)
{
    static const char *const statuses[] = {"number", "not a number", "above range", "below range"};
    std::fprintf(stderr, "  %s: %s %ld\n", what, statuses[r.status], static_cast<long>(r.value));
}

void fail(const char *why, std::u16string_view text, const Reading &got, const Reading &want)
{
    std::fprintf(stderr, "textToInt32 mismatch (%s) on %zu code units:", why, text.size());
    for (std::size_t i = 0; i < text.size() && i < 200; ++i) {
        std::fprintf(stderr, " %04x", static_cast<unsigned>(text[i]));
    }
    std::fprintf(stderr, "\n");
    describe("textToInt32", got);
    describe("expected", want);
    std::abort();
}

void check(std::u16string_view text, char16_t separator, char16_t group)
{
    const Reading got = vb::textToInt32(text, separator, group);
    const Reading want = reference::textToInt32(text, separator, group);
    if (got != want) {
        fail("reference", text, got, want);
    }

    // Blanks around never change the outcome; a stray letter after the text always rejects it.
    std::u16string padded = u" \t";
    padded.append(text);
    padded.append(u"\t ");
    if (const auto r = vb::textToInt32(padded, separator, group); r != got) {
        fail("padded", padded, r, got);
    }
    std::u16string suffixed(text);
    suffixed.push_back(u'x');
    if (const auto r = vb::textToInt32(suffixed, separator, group); r != Reading{}) {
        fail("suffixed", suffixed, r, Reading{});
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::u16string bytes(size, u'\0');
    std::transform(data, data + size, bytes.begin(),
                   [](std::uint8_t b) { return static_cast<char16_t>(b); });
    check(bytes, u'.', u',');
    check(bytes, u',', u'.');

    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    check(units, u'.', u',');
    check(units, u',', u'.');
    return 0;
}
