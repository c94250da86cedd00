#include "text/codepage.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "text/gbk_case.h"
#include "text/scan.h"

namespace velmora {
namespace {

enum class Unmappable { kQuestionMark, kDrop, kStop };

// One converter for each code page and kind of replacement, per thread: ICU
// converters keep state and are not to be shared between threads.
struct ConverterDeleter {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterDeleter>;

const char* icu_name(std::int32_t code_page) {
  switch (code_page) {
    case kUtf8CodePage:
      return "UTF-8";
    case kBig5CodePage:
      return "windows-950-2000";
    default:
      return "windows-936-2000";
  }
}

std::int32_t normalise(std::int32_t code_page) {
  return (code_page == kUtf8CodePage || code_page == kBig5CodePage) ? code_page : kGbkCodePage;
}

// Invalid input of 936 and 950 reads as '?'.
void question_mark_to_unicode(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                              UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;
  *error = U_ZERO_ERROR;
  const UChar question = u'?';
  ucnv_cbToUWriteUChars(args, &question, 1, 0, error);
}

UConverter* converter(std::int32_t code_page, Unmappable unmappable) {
  thread_local std::array<ConverterPtr, 9> cache;
  const std::int32_t cp = normalise(code_page);
  const std::size_t slot = (cp == kUtf8CodePage   ? 0U
                            : cp == kBig5CodePage ? 3U
                                                  : 6U) +
                           static_cast<std::size_t>(unmappable);
  if (!cache[slot]) {
    UErrorCode error = U_ZERO_ERROR;
    ConverterPtr made(ucnv_open(icu_name(cp), &error));
    if (U_FAILURE(error) || !made) return nullptr;
    if (cp != kUtf8CodePage) {
      ucnv_setSubstChars(made.get(), "?", 1, &error);
      ucnv_setToUCallBack(made.get(), question_mark_to_unicode, nullptr, nullptr, nullptr, &error);
    }
    if (unmappable == Unmappable::kDrop) {
      ucnv_setFromUCallBack(made.get(), UCNV_FROM_U_CALLBACK_SKIP, nullptr, nullptr, nullptr,
                            &error);
    } else if (unmappable == Unmappable::kStop) {
      ucnv_setFromUCallBack(made.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                            &error);
    }
    cache[slot] = std::move(made);
  }
  ucnv_reset(cache[slot].get());
  return cache[slot].get();
}

// Every unit that these code pages give needs at least one input byte.
std::u16string decode(std::int32_t code_page, std::string_view in) {
  std::u16string out;
  if (in.empty()) return out;
  UConverter* conv = converter(code_page, Unmappable::kQuestionMark);
  if (conv == nullptr) return out;
  out.resize(in.size() + 1);
  UErrorCode error = U_ZERO_ERROR;
  const int32_t n = ucnv_toUChars(conv, out.data(), static_cast<int32_t>(out.size()), in.data(),
                                  static_cast<int32_t>(in.size()), &error);
  out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(n) : 0);
  return out;
}

// At most three bytes for each unit in any of these code pages.
std::string encode(std::int32_t code_page, std::u16string_view in,
                   Unmappable unmappable = Unmappable::kQuestionMark) {
  std::string out;
  if (in.empty()) return out;
  UConverter* conv = converter(code_page, unmappable);
  if (conv == nullptr) return out;
  out.resize(in.size() * 3 + 1);
  UErrorCode error = U_ZERO_ERROR;
  const int32_t n = ucnv_fromUChars(conv, out.data(), static_cast<int32_t>(out.size()), in.data(),
                                    static_cast<int32_t>(in.size()), &error);
  out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(n) : 0);
  return out;
}

// UTF-16 units as bytes, low byte first, and back.
std::string units_to_bytes(std::u16string_view units) {
  std::string out(units.size() * 2, '\0');
  if constexpr (std::endian::native == std::endian::little) {
    if (!units.empty()) std::memcpy(out.data(), units.data(), out.size());
  } else {
    for (std::size_t i = 0; i < units.size(); ++i) {
      out[2 * i] = static_cast<char>(units[i] & 0xFF);
      out[2 * i + 1] = static_cast<char>(units[i] >> 8);
    }
  }
  return out;
}

std::u16string bytes_to_units(std::string_view bytes, std::size_t count) {
  std::u16string out(count, u'\0');
  if constexpr (std::endian::native == std::endian::little) {
    if (count != 0) std::memcpy(out.data(), bytes.data(), count * 2);
  } else {
    for (std::size_t i = 0; i < count; ++i) {
      out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
  }
  return out;
}

// The units of a terminated UTF-16 byte string, before its first zero unit.
std::u16string terminated_units(const Bytes& wide) {
  std::u16string units = bytes_to_units(wide.view(), wide.size() / 2);
  units.resize(std::min(units.size(), units.find(u'\0')));
  return units;
}

bool encodable_in_gbk(char32_t c) {
  std::array<char16_t, 2> units{};
  int32_t n = 0;
  UBool error = false;
  U16_APPEND(units.data(), n, 2, c, error);
  UConverter* conv = converter(kGbkCodePage, Unmappable::kStop);
  if (conv == nullptr || error) return false;
  std::array<char, 8> out{};
  UErrorCode status = U_ZERO_ERROR;
  ucnv_fromUChars(conv, out.data(), out.size(), units.data(), n, &status);
  return U_SUCCESS(status);
}

// A base character followed by nonspacing marks is written as one precomposed
// character where 936 holds one, else as it stands.
std::u16string compose_for_gbk(std::u16string_view units) {
  bool has_mark = false;
  for (std::size_t i = 0; i < units.size() && !has_mark; ++i) {
    has_mark = u_charType(units[i]) == U_NON_SPACING_MARK;
  }
  if (!has_mark) return std::u16string(units);
  UErrorCode error = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(error);
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(error);
  if (U_FAILURE(error)) return std::u16string(units);
  const icu::UnicodeString in(false, units.data(), static_cast<int32_t>(units.size()));
  const icu::UnicodeString composed = nfc->normalize(in, error);
  if (U_FAILURE(error)) return std::u16string(units);
  icu::UnicodeString out;
  for (int32_t i = 0; i < composed.length();) {
    const UChar32 c = composed.char32At(i);
    icu::UnicodeString decomposition;
    if (!encodable_in_gbk(static_cast<char32_t>(c)) && nfd->getDecomposition(c, decomposition)) {
      out.append(decomposition);
    } else {
      out.append(c);
    }
    i += U16_LENGTH(c);
  }
  return std::u16string(reinterpret_cast<const char16_t*>(out.getBuffer()),
                        static_cast<std::size_t>(out.length()));
}

// The table index of a double-byte code (lead byte 0x80 or above).
std::size_t pair_index(std::uint16_t code) { return code - 0x8000U; }

// Built once: for each double-byte character of 936, its simplified form and
// its upper-case form (the code itself where there is none).
struct PairTables {
  std::vector<std::uint16_t> simplified;
  std::vector<std::uint16_t> upper;
};

std::uint16_t single_pair_code(const std::string& gbk) {
  if (gbk.size() != 2 || !scan::is_lead(gbk[0])) return 0;
  return static_cast<std::uint16_t>(static_cast<unsigned char>(gbk[0]) << 8 |
                                    static_cast<unsigned char>(gbk[1]));
}

const PairTables& pair_tables() {
  static const PairTables tables = [] {
    PairTables t;
    t.simplified.resize(0x8000);
    t.upper.resize(0x8000);
    for (std::uint32_t code = 0x8000; code <= 0xFFFF; ++code) {
      t.simplified[code - 0x8000] = static_cast<std::uint16_t>(code);
      t.upper[code - 0x8000] = static_cast<std::uint16_t>(code);
    }
    UErrorCode error = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> to_simplified(
        icu::Transliterator::createInstance("Traditional-Simplified", UTRANS_FORWARD, error));
    if (U_FAILURE(error)) to_simplified.reset();
    for (std::uint32_t lead = 0x81; lead <= 0xFE; ++lead) {
      for (std::uint32_t trail = 0x40; trail <= 0xFE; ++trail) {
        if (trail == 0x7F) continue;
        const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
        const std::u16string units = decode(kGbkCodePage, pair);
        if (units.size() != 1 || units[0] == u'?') continue;
        const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
        const UChar32 upper = u_toupper(units[0]);
        if (upper != units[0] && upper <= 0xFFFF) {
          const std::uint16_t up = single_pair_code(
              encode(kGbkCodePage, std::u16string(1, static_cast<char16_t>(upper))));
          if (up != 0 && up != '?') t.upper[pair_index(code)] = up;
        }
        if (to_simplified) {
          icu::UnicodeString s(static_cast<UChar32>(units[0]));
          to_simplified->transliterate(s);
          if (s.length() == 1 && s[0] != units[0]) {
            const std::uint16_t simple =
                single_pair_code(encode(kGbkCodePage, std::u16string(1, s[0])));
            if (simple != 0) t.simplified[pair_index(code)] = simple;
          }
        }
      }
    }
    return t;
  }();
  return tables;
}

// A direct conversion between two code pages, for the chains whose middle form
// nobody sees: ICU converts UTF-8 and code page 936 into each other without
// pivoting through UTF-16 units, with the same replacements.
std::string convert_direct(std::int32_t to, std::int32_t from, std::string_view in) {
  std::string out;
  if (in.empty()) return out;
  UConverter* source = converter(from, Unmappable::kQuestionMark);
  UConverter* target = converter(to, Unmappable::kQuestionMark);
  if (source == nullptr || target == nullptr) return out;
  // Neither direction writes more than three bytes for each byte read.
  out.resize(in.size() * 3 + 4);
  std::array<UChar, 1024> pivot{};
  UChar* pivot_source = pivot.data();
  UChar* pivot_target = pivot.data();
  char* write = out.data();
  const char* read = in.data();
  UErrorCode error = U_ZERO_ERROR;
  ucnv_convertEx(target, source, &write, out.data() + out.size(), &read, in.data() + in.size(),
                 pivot.data(), &pivot_source, &pivot_target, pivot.data() + pivot.size(), true,
                 true, &error);
  out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(write - out.data()) : 0);
  return out;
}

}  // namespace

std::uint16_t gbk_upper(std::uint16_t code) {
  if (code < 0x8000) return code;
  return pair_tables().upper[pair_index(code)];
}

Bytes multibyte_to_wide(const Text& text, std::optional<std::int32_t> code_page) {
  std::u16string units = decode(code_page.value_or(kUtf8CodePage), text.view());
  units.push_back(u'\0');
  return Bytes(units_to_bytes(units));
}

Text wide_to_multibyte(const Bytes& wide, std::optional<std::int32_t> code_page) {
  return Text(encode(code_page.value_or(kSystemCodePage), terminated_units(wide)));
}

// Both give what wide_to_multibyte(multibyte_to_wide(...)) gives, in one pass.
Text to_utf8(const Text& text) {
  return Text(convert_direct(kUtf8CodePage, kGbkCodePage, text.view()));
}

Text utf8_to_system(const Text& text) {
  return Text(convert_direct(kGbkCodePage, kUtf8CodePage, text.view()));
}

Text big5_to_gbk(const Text& text) {
  const std::u16string units = decode(kBig5CodePage, text.view());
  return Text(encode(kGbkCodePage, units, Unmappable::kDrop));
}

Text to_simplified_chinese(const Text& text) {
  std::string out = text.str();
  const PairTables* tables = nullptr;
  for (std::size_t i = 0; i + 1 < out.size(); i += scan::char_width(out[i])) {
    if (!scan::is_lead(out[i])) continue;
    if (tables == nullptr) tables = &pair_tables();
    const auto code = static_cast<std::uint16_t>(static_cast<unsigned char>(out[i]) << 8 |
                                                 static_cast<unsigned char>(out[i + 1]));
    const std::uint16_t simple = tables->simplified[pair_index(code)];
    out[i] = static_cast<char>(simple >> 8);
    out[i + 1] = static_cast<char>(simple & 0xFF);
  }
  return Text(std::move(out));
}

Text big5_to_simplified(const Text& text) { return to_simplified_chinese(big5_to_gbk(text)); }

Bytes utf8_bytes_to_wide(const Bytes& bytes) {
  return Bytes(units_to_bytes(decode(kUtf8CodePage, bytes.view())));
}

Text wide_to_system(const Bytes& wide) {
  const std::u16string units = bytes_to_units(wide.view(), wide.size() / 2);
  return Text(encode(kGbkCodePage, compose_for_gbk(units)));
}

Text utf8_bytes_to_system(const Bytes& bytes) { return wide_to_system(utf8_bytes_to_wide(bytes)); }

}  // namespace velmora
