// Character-aware scanning shared by the search, editing and line routines.
#pragma once

#include <cstddef>
#include <string_view>

namespace velmora::scan {

inline bool is_lead(char c) { return static_cast<unsigned char>(c) >= 0x80; }
inline std::size_t char_width(char c) { return is_lead(c) ? 2 : 1; }

// First position p >= from where `sought` (not empty) matches and p is a
// character boundary counted from `from`; npos when there is none. With
// `fold`, single-byte letters match in either case, double-byte characters
// exactly.
std::size_t find_from(std::string_view text, std::string_view sought, std::size_t from, bool fold);

}  // namespace velmora::scan
