#include <unicode/ucnv.h>

#include <string>

#include "fuzz_check.h"
#include "text/codepage.h"

using namespace velmora;

namespace {

// Whether code page 936 holds the text: it converts to Unicode and back to the
// same bytes with no replacement on the way.
bool held_by_936(const Text& text) {
  UErrorCode error = U_ZERO_ERROR;
  UConverter* conv = ucnv_open("windows-936-2000", &error);
  ucnv_setToUCallBack(conv, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
  ucnv_setFromUCallBack(conv, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
  std::u16string units(text.size() + 1, u'\0');
  const int32_t n = ucnv_toUChars(conv, units.data(), static_cast<int32_t>(units.size()),
                                  text.c_str(), static_cast<int32_t>(text.size()), &error);
  std::string back(text.size() * 2 + 4, '\0');
  int32_t m = 0;
  if (U_SUCCESS(error)) {
    m = ucnv_fromUChars(conv, back.data(), static_cast<int32_t>(back.size()), units.data(), n,
                        &error);
  }
  ucnv_close(conv);
  return U_SUCCESS(error) && back.substr(0, static_cast<std::size_t>(m)) == text.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text text(std::string_view(reinterpret_cast<const char*>(data), size));
  const Text utf8 = to_utf8(text);
  const Text back = utf8_to_system(utf8);
  FUZZ_CHECK(fuzz::holds_no_zero(utf8) && fuzz::holds_no_zero(back));
  if (held_by_936(text)) FUZZ_CHECK(back == text);
  // The one-pass forms equal the chains through UTF-16.
  FUZZ_CHECK(utf8 == wide_to_multibyte(multibyte_to_wide(text, kGbkCodePage), kUtf8CodePage));
  FUZZ_CHECK(utf8_to_system(text) == wide_to_multibyte(multibyte_to_wide(text), kGbkCodePage));
  return 0;
}
