// The text key/value list kept by every truckload and item, and its block
// form inside saved truckloads and item records.
#pragma once

#include "dravlen.h"

#include <cstddef>
#include <cstdint>

// One entry: both texts are owned copies.
struct DictEntry {
    char *key;
    char *value;
    DictEntry *next;
};

namespace dravlen {

// Frees every entry; the dictionary is empty afterwards.
void ReleaseDict(Dict *dict);

// Replaces dest's entries by independent copies of src's, in order.
// Returns false (dest left empty) when memory runs out.
bool CopyDict(Dict *dest, const Dict *src);

// The block stores its texts in Windows-1252 (the library's texts are UTF-8):
// they are converted as the block is written and read (compute/stored_text.h).

// Bytes of the dictionary block: for every entry the key and the value,
// each with its terminating zero, padded up to a multiple of 4.
std::size_t DictBlockLength(const Dict *dict);

// Writes the block into caller storage of at least DictBlockLength bytes
// (pad bytes are zero).  Returns the number of bytes written.
std::size_t WriteDictBlock(const Dict *dict, unsigned char *out);

// Reads a block of exactly `length` bytes and adds each entry with
// Add_Dict, so a key read twice keeps its later value.  Never reads past
// `length`.  A block that is not made of whole entries (a key or value
// without its terminator inside the block, or padding cut short) is
// refused with false and the dictionary is left as it was.
bool ReadDictBlock(Dict *dict, const unsigned char *data, std::size_t length);

// Whether `length` bytes at data are a block ReadDictBlock accepts: whole
// entries only, every key and value terminated and padded inside the block.
// Reads nothing past `length` and changes nothing.
bool IsDictBlockWellFormed(const unsigned char *data, std::size_t length);

} // namespace dravlen
