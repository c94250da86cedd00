#include "text/address.h"

#include <string_view>

#include "text/numbers.h"
#include "text/search.h"

namespace velmora {
namespace {

bool starts_with_folded(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    if (c != prefix[i]) return false;
  }
  return true;
}

struct Pieces {
  bool has_scheme = false;
  std::string_view host;       // as written
  std::string_view port_text;  // empty when the address names no port
  std::string_view path;       // empty when there is no "/" after the host
  bool secure = false;
};

Pieces split(std::string_view address) {
  Pieces pieces;
  std::size_t scheme = 0;
  if (starts_with_folded(address, "https://")) {
    scheme = 8;
    pieces.secure = true;
  } else if (starts_with_folded(address, "http://")) {
    scheme = 7;
  }
  pieces.has_scheme = scheme != 0;
  const std::string_view rest = address.substr(scheme);
  const std::size_t slash = rest.find('/');
  const std::string_view authority = rest.substr(0, slash);
  if (slash != std::string_view::npos) pieces.path = rest.substr(slash);
  const std::size_t colon = authority.find(':');
  pieces.host = authority.substr(0, colon);
  if (colon != std::string_view::npos) pieces.port_text = authority.substr(colon + 1);
  return pieces;
}

}  // namespace

Text url_host(const Text& address) { return to_lower(Text(split(address.view()).host)); }

Text url_path(const Text& address) {
  const Pieces pieces = split(address.view());
  return pieces.path.empty() ? Text("/") : Text(pieces.path);
}

std::int32_t url_port(const Text& address) {
  const Pieces pieces = split(address.view());
  if (pieces.port_text.empty()) return pieces.secure ? 443 : 80;
  return truncate_to_integer(to_number(Text(pieces.port_text)));
}

bool is_secure_address(const Text& address) { return split(address.view()).secure; }

bool has_web_scheme(const Text& address) { return split(address.view()).has_scheme; }

}  // namespace velmora
