#include "http/request_headers.h"

#include "text/cutting.h"
#include "text/extract.h"
#include "text/line_reader.h"
#include "text/numbers.h"
#include "text/primitives.h"
#include "text/search.h"

namespace velmora {
namespace {

bool present(const Text& headers, const char* words) {
  return find_text(headers, words, 1, true) != -1;
}

}  // namespace

Text compose_request_headers(const Text& caller_headers, const Text& address, const Text& method,
                             const Bytes& body, const Text& cookies) {
  Text headers = caller_headers;
  if (!present(headers, "Accept")) headers = concat_text(headers, kDefaultAccept);
  if (present(headers, "RefererNo")) {
    headers = replace_subtext(headers, "RefererNo", Text(), 1, 1, true);
  } else if (!present(headers, "Referer")) {
    headers = concat_text(headers, "Referer: ", address, "\r\n");
  }
  if (!present(headers, "Accept-Language")) {
    headers = concat_text(headers, "Accept-Language: zh-cn\r\n");
  }
  if (method == Text("POST") && !body.empty()) {
    if (!present(headers, "Content-Type")) {
      headers = concat_text(headers, "Content-Type: application/x-www-form-urlencoded\r\n");
    }
    if (!present(headers, "Content-Length")) {
      headers =
          concat_text(headers, "Content-Length: ", number_to_text(bytes_length(body)), "\r\n");
    }
  }
  if (!cookies.empty()) headers = concat_text(headers, "Cookie: ", cookies, "\r\n\r\n");
  return headers;
}

Text request_user_agent(const Text& caller_headers) {
  if (find_text(caller_headers, "User-Agent:", 1, true) == -1) return kDefaultUserAgent;
  return trim_both(text_between(caller_headers, "User-Agent:", "\r\n"));
}

Text collect_cookies(const Text& header_text) {
  if (find_text(header_text, "Set-Cookie: ", 1, true) == -1) return {};
  std::string collected;
  TextStream stream(header_text.str());
  while (!stream.at_end()) {
    const Text line = read_line(stream);
    if (find_text(line, "Set-Cookie: ", 1, true) <= 0) continue;
    const Text cookie_line = replace_span(line, 1, 12);
    collected += text_before(cookie_line, ";").view();
    collected += ';';
  }
  return Text(std::move(collected));
}

}  // namespace velmora
