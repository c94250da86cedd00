// The client of the URL-shortening service, and the short-link choice of the
// Generate command.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "text/text_types.h"

namespace velmora {

// The short link stands between these two markers in the service's answer page
// (after its percent escapes are decoded and it is read as UTF-8). The right
// marker ends with the byte CR.
inline const char* const kShortLinkLeftMarker =
    "<div id=\"input\"><input name=\"url\" id=\"url\" type=\"text\" class=\"input\" "
    "readonly=\"readonly\" value=\"";
inline const char* const kShortLinkRightMarker = "\" /></div>\r";

// Where the shortening requests go. The program always uses the service built
// from its host constant; tests aim it at a local server and may shorten the
// wait.
struct ShortenerEndpoint {
  Text address;
  std::optional<std::int32_t> timeout_seconds;  // left out: the request runner's 60 s
};

// "http://" host "/index.php/url/shorten".
ShortenerEndpoint shortener_endpoint(std::string_view host);

// Posts the long link to the service and gives the short link from its answer,
// or the empty text when there is none (unreachable, timed out, no markers).
Text shorten_link(const Text& long_link, const ShortenerEndpoint& endpoint);

struct LinkChoice {
  Text link;                       // the link to store and show
  bool shortening_failed = false;  // a short link was asked for and none came
};

// The link that Generate shows for the check-box state it read: with state 1
// the short link, or the long link itself when shortening failed; with any
// other state the long link, and no request is made.
LinkChoice choose_link(std::int32_t check_state, const Text& long_link,
                       const ShortenerEndpoint& endpoint);

}  // namespace velmora
