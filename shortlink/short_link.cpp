#include "shortlink/short_link.h"

#include <string>

#include "http/fetch.h"
#include "text/extract.h"
#include "text/percent.h"
#include "text/primitives.h"

namespace velmora {

ShortenerEndpoint shortener_endpoint(std::string_view host) {
  return ShortenerEndpoint{concat_text("http://", host, "/index.php/url/shorten"), {}};
}

Text shorten_link(const Text& long_link, const ShortenerEndpoint& endpoint) {
  const Text body = concat_text("url=", percent_encode_utf8(long_link, false));
  Text address = endpoint.address;
  FetchOptions options;
  options.method = 1;
  options.request_body = text_to_bytes(body);
  options.timeout_seconds = endpoint.timeout_seconds;
  const Bytes page_bytes = http_fetch(address, options);
  const Text page = percent_decode_utf8(bytes_to_text(page_bytes));
  return text_between(page, kShortLinkLeftMarker, kShortLinkRightMarker);
}

LinkChoice choose_link(std::int32_t check_state, const Text& long_link,
                       const ShortenerEndpoint& endpoint) {
  if (check_state != 1) return LinkChoice{long_link, false};
  Text short_link = shorten_link(long_link, endpoint);
  if (short_link.empty()) return LinkChoice{long_link, true};
  return LinkChoice{std::move(short_link), false};
}

}  // namespace velmora
