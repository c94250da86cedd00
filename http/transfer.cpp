#include "http/transfer.h"

#include <curl/curl.h>

#include <memory>
#include <string>
#include <string_view>

#include "http/curl_session.h"
#include "http/request_headers.h"
#include "text/address.h"
#include "text/numbers.h"
#include "text/primitives.h"
#include "text/search.h"

namespace velmora {
namespace {

struct EasyDeleter {
  void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct ListDeleter {
  void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
struct UrlDeleter {
  void operator()(CURLU* u) const { curl_url_cleanup(u); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;
using UrlHandle = std::unique_ptr<CURLU, UrlDeleter>;

// What one request of the transfer (the first, or one after a redirect) asks.
struct Hop {
  Text address;
  Text method;
  Bytes body;
};

// What came back for it.
struct Reply {
  bool answered = false;  // a status line arrived
  bool failed = false;    // nothing usable: not sent, refused, too large, stopped
  long status = 0;
  std::string body;
  std::string headers;  // the latest response's status line and header lines
  bool body_too_large = false;
  const std::atomic<bool>* stop = nullptr;
};

std::size_t on_body(char* data, std::size_t size, std::size_t count, void* user) {
  auto* reply = static_cast<Reply*>(user);
  const std::size_t n = size * count;
  if (reply->body.size() + n > kMaxResponseBodyBytes) {
    reply->body_too_large = true;
    return 0;  // ends the transfer
  }
  reply->body.append(data, n);
  return n;
}

std::size_t on_header(char* data, std::size_t size, std::size_t count, void* user) {
  auto* reply = static_cast<Reply*>(user);
  const std::string_view line(data, size * count);
  // Each response (an interim 100 Continue, say) starts with its status line;
  // only the last one's header block is kept.
  if (line.starts_with("HTTP/")) {
    reply->headers.clear();
    reply->answered = true;
  }
  reply->headers.append(line);
  // A body whose size is announced gets its room at once (within the limit).
  if (line.size() > 15 && find_text(Text(line.substr(0, 15)), "Content-Length:", 1, true) == 1) {
    const double announced = to_number(Text(line.substr(15)));
    if (announced > 0 && announced <= static_cast<double>(kMaxResponseBodyBytes)) {
      reply->body.reserve(static_cast<std::size_t>(announced));
    }
  }
  return line.size();
}

int on_progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto* reply = static_cast<const Reply*>(user);
  return reply->stop->load(std::memory_order_relaxed) ? 1 : 0;
}

// The request target: the path as it stands, with control bytes and blanks
// percent-encoded so that they cannot break the request line.
std::string request_target(const Text& path) {
  static constexpr std::string_view digits = "0123456789ABCDEF";
  std::string out;
  out.reserve(path.size());
  for (const char c : path.view()) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b == 0x7F) {
      out.push_back('%');
      out.push_back(digits[b >> 4U]);
      out.push_back(digits[b & 0xFU]);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

// The composed header text as libcurl's list, plus empty entries that keep
// libcurl from adding headers of its own that the composition did not ask for.
HeaderList header_list(const Text& composed) {
  curl_slist* list = nullptr;
  const std::string_view text = composed.view();
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find("\r\n", begin);
    if (end == std::string_view::npos) end = text.size();
    if (end > begin)
      list = curl_slist_append(list, std::string(text.substr(begin, end - begin)).c_str());
    begin = end + 2;
  }
  for (const char* suppressed : {"Accept:", "Expect:", "Content-Type:", "Content-Length:",
                                 "Proxy-Connection:", "Transfer-Encoding:"}) {
    list = curl_slist_append(list, suppressed);
  }
  return HeaderList(list);
}

struct Request {
  Text caller_headers;
  Text referer;
  Text proxy;
  Text cookies;
  bool caller_cookies = false;
};

void perform(const Request& request, const Hop& hop, Reply& reply) {
  const Text host = url_host(hop.address);
  const Text path = url_path(hop.address);
  const std::int32_t port = url_port(hop.address);
  const bool secure = is_secure_address(hop.address);
  const bool via_proxy = !request.proxy.empty() && !secure;

  const Text origin = concat_text(secure ? "https://" : "http://", host, ":", number_to_text(port));
  const std::string url = concat_text(origin, "/").str();
  const std::string target =
      via_proxy ? concat_text(origin, Text(request_target(path))).str() : request_target(path);
  const Text composed = compose_request_headers(request.caller_headers, request.referer, hop.method,
                                                hop.body, request.cookies);
  const HeaderList headers = header_list(composed);
  const Text agent = request_user_agent(request.caller_headers);

  // A handle of its own for each request: nothing of an earlier one carries over.
  const EasyHandle handle(curl_easy_init());
  CURL* curl = handle.get();
  if (curl == nullptr) {
    reply.failed = true;
    return;
  }
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_REQUEST_TARGET, target.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, agent.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
  // The proxy is only ever the one given: never one from the environment.
  curl_easy_setopt(curl, CURLOPT_PROXY, via_proxy ? request.proxy.c_str() : "");
  curl_easy_setopt(curl, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
  if (!request.caller_cookies) {
    curl_easy_setopt(curl, CURLOPT_SHARE, shared_cookie_store());
    curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");
  }
  if (hop.method == Text("POST")) {
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, hop.body.str().data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(hop.body.size()));
  } else {
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  }
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &on_body);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &on_header);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &reply);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &on_progress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &reply);

  const CURLcode result = curl_easy_perform(curl);
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
  // A body cut off by the server keeps what arrived; anything else that went
  // wrong leaves nothing usable.
  const bool cut_short = result == CURLE_PARTIAL_FILE || result == CURLE_RECV_ERROR;
  reply.failed = reply.body_too_large || !reply.answered || (result != CURLE_OK && !cut_short) ||
                 reply.stop->load();
}

// The header value of `name` in a header block, or empty.
std::string header_value(std::string_view headers, std::string_view name) {
  std::size_t begin = 0;
  while (begin < headers.size()) {
    std::size_t end = headers.find('\n', begin);
    if (end == std::string_view::npos) end = headers.size();
    std::string_view line = headers.substr(begin, end - begin);
    begin = end + 1;
    if (line.size() <= name.size() || line[name.size()] != ':') continue;
    if (find_text(Text(line.substr(0, name.size())), Text(name), 1, true) != 1) continue;
    line.remove_prefix(name.size() + 1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    return std::string(line);
  }
  return {};
}

// `location` resolved against `base`; empty when it cannot be.
Text resolve(const Text& base, const std::string& location) {
  UrlHandle url(curl_url());
  if (!url || curl_url_set(url.get(), CURLUPART_URL, base.c_str(), 0) != CURLUE_OK) return {};
  if (curl_url_set(url.get(), CURLUPART_URL, location.c_str(), 0) != CURLUE_OK) return {};
  char* joined = nullptr;
  if (curl_url_get(url.get(), CURLUPART_URL, &joined, 0) != CURLUE_OK) return {};
  Text result(joined);
  curl_free(joined);
  return result;
}

bool is_redirect(long status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

}  // namespace

void http_transfer(HttpExchange& exchange, const std::atomic<bool>& stop) {
  ensure_curl_initialised();
  const Text address = bytes_to_text(exchange.address);
  const Text method = bytes_to_text(exchange.method);
  Request request;
  request.caller_headers = bytes_to_text(exchange.extra_headers);
  request.referer = address;
  request.proxy = bytes_to_text(exchange.proxy);
  request.cookies = bytes_to_text(exchange.cookies);
  request.caller_cookies = !trim_both(request.cookies).empty();
  const bool follow = compare_text(bytes_to_text(exchange.follow_redirects), kTrueText, true) == 0;

  Reply reply;
  reply.stop = &stop;
  const bool known_method = method == Text("GET") || method == Text("POST");
  if (!known_method) {
    reply.failed = true;
  } else {
    Hop hop{address, method, exchange.request_body};
    for (int redirects = 0;; ++redirects) {
      reply = Reply{};
      reply.stop = &stop;
      perform(request, hop, reply);
      if (reply.failed || !follow || !is_redirect(reply.status)) break;
      const std::string location = header_value(reply.headers, "Location");
      if (location.empty()) break;
      const Text next = resolve(hop.address, location);
      if (next.empty() || redirects == kMaxRedirects) {
        reply.failed = true;
        break;
      }
      if (reply.status != 307 && reply.status != 308 && hop.method == Text("POST")) {
        hop.method = "GET";
        hop.body = Bytes();
      }
      hop.address = next;
    }
  }

  if (reply.failed) {
    exchange.address = Bytes();
    exchange.method = Bytes();
    exchange.cookies = Bytes();
    return;
  }
  const Text header_text(reply.headers);
  exchange.address = Bytes(std::move(reply.body));
  exchange.method = text_to_bytes(collect_cookies(header_text));
  exchange.cookies = Bytes(std::move(reply.headers));
}

}  // namespace velmora
