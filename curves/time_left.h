#pragma once
// The estimate of the time a long operation still needs, as the progress
// dialog and the batch tool's progress line show it.

#include <cstdint>
#include <string>

namespace qv {

// "estimating time left" until 2 % and half a second have passed, then
// "42 s left" or "1 min 05 s left", extrapolated from the pace so far.
std::string TimeLeftText(std::int64_t elapsedMs, double fraction);

}  // namespace qv
