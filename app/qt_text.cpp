#include "app/qt_text.h"

#include <cstring>
#include <string>

#include "text/codepage.h"

namespace velmora {

QString to_qstring(const Text& text) {
  const Bytes wide = multibyte_to_wide(text, kGbkCodePage);
  // The terminated form ends with one zero unit, which the string leaves out.
  const auto units = static_cast<qsizetype>(wide.size() / 2) - 1;
  QString out(units > 0 ? units : 0, Qt::Uninitialized);
  for (qsizetype i = 0; i < out.size(); ++i) {
    const auto lo = static_cast<unsigned char>(wide.str()[static_cast<std::size_t>(2 * i)]);
    const auto hi = static_cast<unsigned char>(wide.str()[static_cast<std::size_t>(2 * i + 1)]);
    out[i] = QChar(static_cast<char16_t>(lo | hi << 8));
  }
  return out;
}

Text from_qstring(const QString& string) {
  std::string wide(static_cast<std::size_t>(string.size() + 1) * 2, '\0');
  for (qsizetype i = 0; i < string.size(); ++i) {
    const char16_t unit = string[i].unicode();
    wide[static_cast<std::size_t>(2 * i)] = static_cast<char>(unit & 0xFF);
    wide[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>(unit >> 8);
  }
  return wide_to_multibyte(Bytes(std::move(wide)), kGbkCodePage);
}

}  // namespace velmora
