// Splitting a request address into host, path and port.
//
// The scheme "http://" or "https://" is recognised in any letter case at the
// start only. The host stands between the scheme and the first "/", ":" or the
// end; the path runs from the first "/" after the host ("/" when none); the
// port follows the host's ":", and defaults to 80 (443 for "https://").
#pragma once

#include <cstdint>

#include "text/text_types.h"

namespace velmora {

Text url_host(const Text& address);
Text url_path(const Text& address);
std::int32_t url_port(const Text& address);

// True when the address begins with "https://" in any letter case.
bool is_secure_address(const Text& address);
// True when it begins with "http://" or "https://" in any letter case.
bool has_web_scheme(const Text& address);

}  // namespace velmora
