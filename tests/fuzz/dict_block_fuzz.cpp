// Fuzz target: the dictionary block reader and the saved violation list
// text read from a dictionary value.  A block that reads must write back to
// a block that reads again into the same entries.
#include "fuzz_support.h"

#include "compute/dict.h"
#include "inspection/violation.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace velmora_fuzz;
    SharedEngine();
    const std::vector<uint8_t> block(data, data + size);

    Dict dict{nullptr};
    const bool wellFormed = dravlen::IsDictBlockWellFormed(block.data(), block.size());
    const bool read = dravlen::ReadDictBlock(&dict, block.data(), block.size());
    Require(wellFormed == read);
    if (read) {
        std::vector<uint8_t> again(dravlen::DictBlockLength(&dict));
        Require(dravlen::WriteDictBlock(&dict, again.data()) == again.size());
        Require(again.size() <= block.size());
        Dict back{nullptr};
        Require(dravlen::ReadDictBlock(&back, again.data(), again.size()));
        const DictEntry *a = dict.head;
        const DictEntry *b = back.head;
        for (; a && b; a = a->next, b = b->next)
            Require(std::strcmp(a->key, b->key) == 0 && std::strcmp(a->value, b->value) == 0);
        Require(!a && !b);
        dravlen::ReleaseDict(&back);
    }
    dravlen::ReleaseDict(&dict);

    // The same bytes as a saved violation list text.
    const std::string text(reinterpret_cast<const char *>(data), size);
    ViolationList list{nullptr, 0};
    dravlen::ReadListText(&list, text.c_str());
    const std::string written = dravlen::WriteListText(list);
    ViolationList back{nullptr, 0};
    dravlen::ReadListText(&back, written.c_str());
    Require(dravlen::ListLength(back) == dravlen::ListLength(list));
    dravlen::FreeViolationList(&back);
    dravlen::FreeViolationList(&list);
    return 0;
}
