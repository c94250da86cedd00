#include "fuzz_check.h"
#include "text/percent.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text text(std::string_view(reinterpret_cast<const char*>(data), size));
  const Text decoded = percent_decode_utf8(text);
  FUZZ_CHECK(fuzz::holds_no_zero(decoded));
  // Decoding what was encoded gives the text back where code page 936 holds it.
  const Text encoded = percent_encode_utf8(decoded);
  for (const char c : encoded.view())
    FUZZ_CHECK(c == '%' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
  FUZZ_CHECK(percent_decode_utf8(encoded) == decoded);
  return 0;
}
