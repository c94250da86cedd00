#include "app/result_link.h"

namespace velmora {

std::optional<Text>& result_link() {
  static std::optional<Text> slot;
  return slot;
}

void on_program_exit() { result_link().reset(); }

}  // namespace velmora
