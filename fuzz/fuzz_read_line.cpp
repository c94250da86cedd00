#include <string>

#include "fuzz_check.h"
#include "text/line_reader.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TextStream stream(std::string(reinterpret_cast<const char*>(data), size));
  std::size_t total = 0;
  while (!stream.at_end()) {
    const std::size_t before = stream.position;
    const Text line = read_line(stream);
    FUZZ_CHECK(stream.position > before);
    FUZZ_CHECK(stream.position <= size);
    FUZZ_CHECK(fuzz::holds_no_zero(line));
    FUZZ_CHECK(line.size() <= stream.position - before);
    total += stream.position - before;
  }
  FUZZ_CHECK(total == size);
  FUZZ_CHECK(read_line(stream).empty());
  return 0;
}
