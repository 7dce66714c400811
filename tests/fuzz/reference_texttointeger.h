// The delay conversion written a second way, as the oracle that the fuzzer and the monkey
// test hold vb::textToInt32 to: a table-driven state machine for the grammar and a
// base-10^9 big integer for the value, rounding by comparing twice the remainder with the
// divisor. It shares no code with the conversion it checks.
#pragma once

#include "platform/TextToInteger.h"

#include <string_view>

namespace reference {

// The same reading as vb::textToInt32: `separator` is read as a decimal point besides '.',
// and a point that is `group` before exactly three digits makes the text no number.
vb::Int32Reading textToInt32(std::u16string_view text, char16_t separator, char16_t group);

} // namespace reference
