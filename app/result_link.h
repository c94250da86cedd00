// The program-wide slot that carries the latest generated link from Generate
// to the result window.
#pragma once

#include <optional>

#include "text/text_types.h"

namespace velmora {

// Absent until the first Generate that gets past its check of the names.
std::optional<Text>& result_link();

// The exit clean-up: releases the slot.
void on_program_exit();

}  // namespace velmora
