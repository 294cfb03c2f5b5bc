// Ordered text dictionary: keys are unique and compared case-sensitively;
// entries keep the order of their first insertion.
#include "compute/dict.h"
#include "compute/stored_text.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace dravlen {

namespace {

char *CopyText(const char *text)
{
    const std::size_t n = std::strlen(text) + 1;
    char *copy = static_cast<char *>(std::malloc(n));
    if (copy)
        std::memcpy(copy, text, n);
    return copy;
}

void FreeEntry(DictEntry *entry)
{
    std::free(entry->key);
    std::free(entry->value);
    std::free(entry);
}

// A text field of the block occupies its bytes, a zero and padding to the
// next multiple of 4: 4 * floor(len / 4) + 4 bytes.
std::size_t FieldLength(std::size_t textLength)
{
    return (textLength / 4) * 4 + 4;
}

// Reads one zero-terminated field starting at `pos`.  The terminator must lie
// inside the block, and so must the field's padding.
bool ReadField(const unsigned char *data, std::size_t length, std::size_t &pos,
               const char *&text)
{
    if (pos >= length)
        return false;
    const void *zero = std::memchr(data + pos, 0, length - pos);
    if (!zero)
        return false;
    const std::size_t textLength = static_cast<const unsigned char *>(zero) - (data + pos);
    const std::size_t field = FieldLength(textLength);
    if (field > length - pos)
        return false;
    text = reinterpret_cast<const char *>(data + pos);
    pos += field;
    return true;
}

} // namespace

void ReleaseDict(Dict *dict)
{
    if (!dict)
        return;
    DictEntry *entry = dict->head;
    while (entry) {
        DictEntry *next = entry->next;
        FreeEntry(entry);
        entry = next;
    }
    dict->head = nullptr;
}

bool CopyDict(Dict *dest, const Dict *src)
{
    ReleaseDict(dest);
    for (const DictEntry *e = src ? src->head : nullptr; e; e = e->next) {
        if (!Add_Dict(dest, e->key, e->value)) {
            ReleaseDict(dest);
            return false;
        }
    }
    return true;
}

std::size_t DictBlockLength(const Dict *dict)
{
    std::size_t total = 0;
    for (const DictEntry *e = dict ? dict->head : nullptr; e; e = e->next)
        total += FieldLength(Windows1252Length(e->key)) + FieldLength(Windows1252Length(e->value));
    return total;
}

std::size_t WriteDictBlock(const Dict *dict, unsigned char *out)
{
    std::size_t pos = 0;
    for (const DictEntry *e = dict ? dict->head : nullptr; e; e = e->next) {
        for (const char *text : {e->key, e->value}) {
            const std::string stored = Utf8ToWindows1252(text);
            const std::size_t n = stored.size();
            const std::size_t field = FieldLength(n);
            std::memcpy(out + pos, stored.data(), n);
            std::memset(out + pos + n, 0, field - n);
            pos += field;
        }
    }
    return pos;
}

bool IsDictBlockWellFormed(const unsigned char *data, std::size_t length)
{
    if (length > 0 && !data)
        return false;
    std::size_t pos = 0;
    while (pos < length) {
        const char *key = nullptr;
        const char *value = nullptr;
        if (!ReadField(data, length, pos, key) || !ReadField(data, length, pos, value))
            return false;
    }
    return true;
}

bool ReadDictBlock(Dict *dict, const unsigned char *data, std::size_t length)
{
    if (!dict || (length > 0 && !data))
        return false;
    // Check the whole block first, so that a malformed one changes nothing.
    std::vector<std::pair<const char *, const char *>> entries;
    std::size_t pos = 0;
    while (pos < length) {
        const char *key = nullptr;
        const char *value = nullptr;
        if (!ReadField(data, length, pos, key) || !ReadField(data, length, pos, value))
            return false;
        entries.emplace_back(key, value);
    }
    for (const auto &[key, value] : entries) {
        if (!Add_Dict(dict, Windows1252ToUtf8(key).c_str(), Windows1252ToUtf8(value).c_str()))
            return false;
    }
    return true;
}

} // namespace dravlen

extern "C" {

DRAVLEN_API int Add_Dict(Dict *dict, const char *key, const char *value)
{
    if (!dict || !key)
        return 0;
    DictEntry **link = &dict->head;
    while (*link && std::strcmp((*link)->key, key) != 0)
        link = &(*link)->next;
    DictEntry *entry = *link;
    if (entry) {
        if (!value) {
            // No value removes the entry.
            *link = entry->next;
            dravlen::FreeEntry(entry);
            return 1;
        }
        char *copy = dravlen::CopyText(value);
        if (!copy)
            return 0;
        std::free(entry->value);
        entry->value = copy;
        return 1;
    }
    if (!value)
        return 1; // absent key, no value: nothing to do
    entry = static_cast<DictEntry *>(std::malloc(sizeof(DictEntry)));
    if (!entry)
        return 0;
    entry->key = dravlen::CopyText(key);
    entry->value = dravlen::CopyText(value);
    entry->next = nullptr;
    if (!entry->key || !entry->value) {
        dravlen::FreeEntry(entry);
        return 0;
    }
    *link = entry;
    return 1;
}

DRAVLEN_API const char *Find_Dict(const Dict *dict, const char *key)
{
    if (!dict || !key)
        return nullptr;
    for (const DictEntry *e = dict->head; e; e = e->next) {
        if (std::strcmp(e->key, key) == 0)
            return e->value;
    }
    return nullptr;
}

} // extern "C"
