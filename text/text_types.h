// The two value types that every module passes around.
//
// Text: bytes in code page 936 (GBK). A text ends at its first zero byte, so it
// never holds one; whatever is put into a Text is cut there.
// Bytes: a counted byte string that may hold any byte, zero bytes included.
//
// The two are distinct types so that raw bytes never pass for text by accident:
// moving between them is always one of the explicit conversions of
// primitives.h (text_to_bytes, bytes_to_text).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace velmora {

class Text {
 public:
  Text() = default;
  // From a literal or other C string; the bytes are taken as code page 936.
  Text(const char* c_string) : bytes_(c_string == nullptr ? "" : c_string) {}  // NOLINT
  explicit Text(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}
  explicit Text(std::string bytes) : bytes_(std::move(bytes)) { cut_at_zero(); }

  const std::string& str() const { return bytes_; }
  std::string_view view() const { return bytes_; }
  const char* c_str() const { return bytes_.c_str(); }
  std::size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }

  friend bool operator==(const Text&, const Text&) = default;

 private:
  void cut_at_zero() {
    const auto zero = bytes_.find('\0');
    if (zero != std::string::npos) bytes_.resize(zero);
  }
  std::string bytes_;
};

class Bytes {
 public:
  Bytes() = default;
  explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
  explicit Bytes(std::string bytes) : bytes_(std::move(bytes)) {}
  // A literal with zero bytes in it needs its length: Bytes(std::string_view("a\0b", 3)).

  const std::string& str() const { return bytes_; }
  std::string& mutable_str() { return bytes_; }
  std::string_view view() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }

  friend bool operator==(const Bytes&, const Bytes&) = default;

 private:
  std::string bytes_;
};

}  // namespace velmora
