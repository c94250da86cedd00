#include "http/fetch.h"

#include <chrono>
#include <memory>

#include "http/worker.h"
#include "text/address.h"
#include "text/codepage.h"
#include "text/event_pump.h"
#include "text/numbers.h"
#include "text/primitives.h"
#include "text/search.h"

namespace velmora {
namespace {

HttpExchange pack(const Text& address, const FetchOptions& o) {
  HttpExchange e;
  e.address = text_to_bytes(address);
  e.method = text_to_bytes(o.method.value_or(0) == 1 ? Text("POST") : Text("GET"));
  e.proxy = text_to_bytes(o.proxy.value_or(Text()));
  e.extra_headers = text_to_bytes(o.extra_headers.value_or(Text()));
  e.request_body = o.request_body.value_or(Bytes());
  e.cookies = text_to_bytes(o.cookies.value_or(Text()));
  e.follow_redirects = text_to_bytes(bool_to_text(o.follow_redirects.value_or(true)));
  return e;
}

Bytes decode_body(Bytes body, std::optional<std::int32_t> kind) {
  if (kind == 1) return text_to_bytes(utf8_to_system(bytes_to_text(body)));
  if (kind == 2) return text_to_bytes(big5_to_simplified(bytes_to_text(body)));
  return body;
}

}  // namespace

const Text& fetch_timeout_text() {
  static const Text text =
      utf8_to_system(Text("超时返回，指定网站不能访问，或者你的网络出现问题，你可以把参数中的＂超时"
                          "返回＂的值设置长一些。"));
  return text;
}

Bytes http_fetch(Text& address, const FetchOptions& options) {
  if (trim_both(address).empty()) return {};
  if (!has_web_scheme(address)) address = concat_text("http://", address);

  using Clock = EventPump::Clock;
  const auto start = Clock::now();
  const std::int64_t timeout_ms =
      options.timeout_seconds ? std::int64_t{*options.timeout_seconds} * 1000 : kDefaultTimeoutMs;
  const auto deadline = start + std::chrono::milliseconds(timeout_ms);

  auto state = std::make_shared<WorkerState>();
  state->exchange = pack(address, options);
  start_thread(&http_worker_entry, state);

  // Each pass waits for what is left of the time-out; it ends early when the
  // worker ends or window input arrives, and that input is dispatched.
  EventPump& pump = event_pump();
  while (true) {
    if (!state->finished.load(std::memory_order_acquire) && !pump.ending()) {
      pump.wait_for_input(deadline);
    }
    const bool timed_out = Clock::now() >= deadline || pump.ending();
    const bool finished = state->finished.load(std::memory_order_acquire);
    process_events();
    if (timed_out) {
      abandon_thread(*state);
      return text_to_bytes(fetch_timeout_text());
    }
    if (finished) break;
  }

  HttpExchange& back = state->exchange;
  if (options.response_headers != nullptr) *options.response_headers = bytes_to_text(back.cookies);
  if (options.response_cookies != nullptr) *options.response_cookies = bytes_to_text(back.method);
  return decode_body(std::move(back.address), options.result_kind);
}

}  // namespace velmora
