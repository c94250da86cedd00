// Reading lines from an in-memory stream.
#pragma once

#include <cstddef>
#include <string>

#include "text/text_types.h"

namespace velmora {

// Bytes held in memory with a read position.
struct TextStream {
  explicit TextStream(std::string bytes) : data(std::move(bytes)) {}
  bool at_end() const { return position >= data.size(); }

  std::string data;
  std::size_t position = 0;
};

// The next line, without its line end: LF ends a line (CR before it is dropped),
// and so does the byte 0x1A; an LF or 0x1A right after a lead byte is that
// character's second byte. Every call that is not at the end moves forward; at
// the end it gives the empty text.
Text read_line(TextStream& stream);

}  // namespace velmora
