#include "text/clock.h"

#include <chrono>

namespace velmora {

std::int32_t uptime_ms() {
  const auto since_start = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since_start).count();
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms)));
}

}  // namespace velmora
