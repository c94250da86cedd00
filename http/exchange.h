// The record that carries one HTTP request to the transfer worker and its
// results back.
#pragma once

#include "text/text_types.h"

namespace velmora {

// Seven byte strings. Going in, they describe the request; coming back from a
// transfer, `address` holds the response body, `method` the collected cookies
// and `cookies` the raw response header text. Every slot but `request_body` is
// read as text.
struct HttpExchange {
  Bytes address;           // the request address    | back: the response body
  Bytes method;            // "GET" or "POST"        | back: collected cookies ("a=1;b=2;")
  Bytes proxy;             // empty: direct
  Bytes extra_headers;     // caller's header lines, each ended by CR LF
  Bytes request_body;      // raw bytes
  Bytes cookies;           // caller's cookie text   | back: raw response header text
  Bytes follow_redirects;  // "真" to follow redirects
};

}  // namespace velmora
