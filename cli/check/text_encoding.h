// The engine's texts are single-byte Windows-1252 (dockets use the en dash
// 0x96, messages the section sign 0xA7); JSON and terminals want UTF-8.
#pragma once

#include <string>

namespace velmora::check {

std::string Utf8FromWindows1252(const char *text);

} // namespace velmora::check
