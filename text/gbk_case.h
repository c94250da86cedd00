// Upper-case mapping of the double-byte characters of code page 936.
#pragma once

#include <cstdint>

namespace velmora {

// `code` is lead byte << 8 | trail byte. Gives the code of the upper-case form
// when code page 936 holds one as a double-byte character, else `code` itself.
std::uint16_t gbk_upper(std::uint16_t code);

}  // namespace velmora
