#pragma once

#include <cstdint>

namespace velmora {

// Milliseconds of the system's monotonic clock as a 32-bit signed count that
// wraps after 2^32 ms.
std::int32_t uptime_ms();

}  // namespace velmora
