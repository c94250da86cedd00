// Texts (code page 936) to and from Qt's strings.
#pragma once

#include <QString>

#include "text/text_types.h"

namespace velmora {

QString to_qstring(const Text& text);
// A character that code page 936 cannot hold becomes '?'.
Text from_qstring(const QString& string);

}  // namespace velmora
