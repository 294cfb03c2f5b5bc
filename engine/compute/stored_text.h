// Text at the boundary of the stored formats.  Inside the library every text
// is UTF-8 with "\n" line ends; the dictionary blocks of saved truckloads,
// item records and clipboard blocks store single-byte Windows-1252 text, as
// they always have.  Texts are converted when a block is written or read,
// nowhere else.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dravlen {

// The UTF-8 form of Windows-1252 bytes.  Every byte has a character: the
// five bytes Windows-1252 leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the control characters of the same number, so that writing the
// text back gives the very bytes that were read.
std::string Windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 form of a UTF-8 text.  A character Windows-1252 cannot
// hold, and every byte that is not part of well-formed UTF-8, is written as
// '?' (one per character or byte), never as stray bytes.
std::string Utf8ToWindows1252(std::string_view text);

// Bytes of Utf8ToWindows1252(text), without building it.
std::size_t Windows1252Length(std::string_view text);

// The first `n` bytes of a UTF-8 text less a character cut short at their
// end: where a text cut to fit a field ends without splitting a character.
std::size_t Utf8CompleteLength(const char *text, std::size_t n);

} // namespace dravlen
