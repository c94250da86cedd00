// The program's one call for an HTTP request: synchronous to its caller, yet
// the window thread keeps dispatching its events while the request runs.
#pragma once

#include <cstdint>
#include <optional>

#include "text/text_types.h"

namespace velmora {

// Everything but the address is optional; what is left out has the default
// named beside it. An out-parameter left null is not filled.
struct FetchOptions {
  std::optional<std::int32_t> method;           // 1: POST; anything else: GET
  std::optional<Text> proxy;                    // none: direct connection
  std::optional<Text> extra_headers;            // lines, each ended by CR LF
  std::optional<Bytes> request_body;            // none
  std::optional<Text> cookies;                  // none: the process-wide store is used
  std::optional<std::int32_t> timeout_seconds;  // 60
  Text* response_headers = nullptr;             // out: raw response header text
  std::optional<std::int32_t> result_kind;      // 1: UTF-8, 2: Big5 to simplified; else raw
  Text* response_cookies = nullptr;             // out: collected cookie text
  std::optional<bool> follow_redirects;         // true
};

inline constexpr std::int32_t kDefaultTimeoutMs = 60000;

// The text returned in place of a body when the request did not end in time.
const Text& fetch_timeout_text();

// Runs the request on a worker thread and waits for it while dispatching window
// events, at most until the time-out, measured from the call's start. Gives the
// body (decoded as `result_kind` asks), the empty byte string for an empty or
// blank address, or the time-out text. An address that begins with neither
// "http://" nor "https://" (in any letter case) gets "http://" put in front,
// and the caller's text is changed to match. Call on the window thread.
Bytes http_fetch(Text& address, const FetchOptions& options = {});

}  // namespace velmora
