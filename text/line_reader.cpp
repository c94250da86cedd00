#include "text/line_reader.h"

#include "text/scan.h"

namespace velmora {

Text read_line(TextStream& stream) {
  const std::string_view data = stream.data;
  const std::size_t begin = std::min(stream.position, data.size());
  std::size_t i = begin;
  std::size_t end = data.size();
  std::size_t next = data.size();
  while (i < data.size()) {
    const char c = data[i];
    if (c == '\n' || c == '\x1A') {
      end = i;
      next = i + 1;
      break;
    }
    i += scan::char_width(c);
  }
  stream.position = next;
  std::string_view line = data.substr(begin, end - begin);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return Text(line);
}

}  // namespace velmora
