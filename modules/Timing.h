// The timing module: WaitSeconds, the wait that keeps the program responsive while a fax
// is on its way.
#pragma once

#include <cstdint>

namespace vb {

// Holds the caller for `seconds` seconds, give or take half a second, while events go
// on being dispatched. `seconds` is read afresh at every comparison. Zero or a negative
// number returns at once, or within half a second.
void WaitSeconds(const std::int32_t &seconds);

// The clock reading rounded to whole seconds, halves to the even neighbour.
std::int32_t roundHalfEven(double seconds);

} // namespace vb
