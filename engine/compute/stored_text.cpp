// Conversion between the library's UTF-8 and the Windows-1252 of the stored
// formats (see stored_text.h).
#include "compute/stored_text.h"

#include <cstdint>

namespace dravlen {

namespace {

// Code points of the bytes 0x80-0x9F in Windows-1252; the unassigned five
// map to the C1 control of the same number.
constexpr uint16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char kSubstitute = '?';

void AppendUtf8(std::string &out, uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes the well-formed UTF-8 character at text[i]: its code point and
// length, or length 0 for a byte that starts no well-formed character
// (stray continuation, overlong form, surrogate, beyond U+10FFFF, cut short).
uint32_t NextCharacter(std::string_view text, std::size_t i, std::size_t &length)
{
    const auto *s = reinterpret_cast<const unsigned char *>(text.data());
    const unsigned char lead = s[i];
    length = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    std::size_t n;
    uint32_t cp;
    uint32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2, cp = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3, cp = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4, cp = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i < n)
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((s[i + k] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    length = n;
    return cp;
}

// The Windows-1252 byte of a code point, or kSubstitute.
char StoredByte(uint32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int k = 0; k < 32; ++k)
        if (kHigh[k] == cp)
            return static_cast<char>(0x80 + k);
    return kSubstitute;
}

} // namespace

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b);
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 0;
        const uint32_t cp = NextCharacter(text, i, length);
        if (length == 0) {
            out += kSubstitute;
            ++i;
        } else {
            out += StoredByte(cp);
            i += length;
        }
    }
    return out;
}

std::size_t Windows1252Length(std::string_view text)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++n) {
        std::size_t length = 0;
        NextCharacter(text, i, length);
        i += length ? length : 1;
    }
    return n;
}

std::size_t Utf8CompleteLength(const char *text, std::size_t n)
{
    std::size_t lead = n;
    while (lead > 0 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80)
        --lead;
    if (lead == 0)
        return n;
    --lead;
    const auto b = static_cast<unsigned char>(text[lead]);
    const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    return n - lead < length ? lead : n;
}

} // namespace dravlen
