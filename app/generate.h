// The Generate command and the percent encoder of system text.
#pragma once

#include <optional>

#include "text/text_types.h"

namespace velmora {

class MainWindow;

// Every byte of the text's code-page-936 form as "%XX" (with `keep_unreserved`
// the bytes ',' to '9', 'A' to 'Z' and 'a' to 'z' stay); window events are
// dispatched after each byte.
Text percent_encode_text(const Text& text, std::optional<bool> keep_unreserved = {});

// The click handler of "生成网址": checks the names, builds the greeting-page
// link from them, shortens it when the box is ticked, stores it in
// result_link and opens the result window. Window events are dispatched while
// it works, so a second click starts a nested run; a run whose main window was
// closed meanwhile stops there.
void on_generate_clicked(MainWindow& window);

}  // namespace velmora
