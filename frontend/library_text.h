// Text returned by the engine library, turned into the UTF-8 the program,
// the checker, JSON and terminals use.  This is the one place that knows the
// library's text encoding: single-byte Windows-1252 (dockets carry the en
// dash 0x96, messages the section sign 0xA7).  Line ends pass through as the
// library writes them.
#pragma once

#include <string>

namespace velmora::frontend {

// UTF-8 of a library text; empty for null.  Bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string libraryTextToUtf8(const char *text);
inline std::string libraryTextToUtf8(const std::string &text) { return libraryTextToUtf8(text.c_str()); }

} // namespace velmora::frontend
