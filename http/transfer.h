// One HTTP request carried out over libcurl, on the worker thread.
#pragma once

#include <atomic>
#include <cstddef>

#include "http/exchange.h"

namespace velmora {

// A response body larger than this fails the transfer (the body comes back
// empty) instead of growing without bound.
inline constexpr std::size_t kMaxResponseBodyBytes = 64U * 1024U * 1024U;

// Redirects followed for one request at the most; a longer chain fails.
inline constexpr int kMaxRedirects = 20;

// Performs the request that `exchange` describes and writes the results back
// into it: the body into `address`, the collected cookies into `method`, the
// raw header text of the final response into `cookies`. A transfer that cannot
// be opened or sent comes back with all three empty. Setting `stop` aborts a
// transfer in progress (within about a second).
void http_transfer(HttpExchange& exchange, const std::atomic<bool>& stop);

}  // namespace velmora
