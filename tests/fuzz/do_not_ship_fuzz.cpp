// Fuzz target: the Do Not Ship list reader.  Any file unscrambles to a list
// of non-empty lines without line ends; writing that list and reading it
// back gives the same list.
#include "settings/do_not_ship.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace velmora;
    const auto require = [](bool holds) {
        if (!holds)
            std::abort();
    };
    const std::string stored(reinterpret_cast<const char *>(data), size);
    require(scrambleDoNotShip(scrambleDoNotShip(stored)) == stored);
    const std::vector<std::string> ids = parseDoNotShipPlainText(scrambleDoNotShip(stored));
    for (const std::string &id : ids)
        require(!id.empty() && id.find('\n') == std::string::npos && id.back() != '\r' && id.front() != ' ');
    const std::string written = scrambleDoNotShip(doNotShipPlainText(ids));
    require(parseDoNotShipPlainText(scrambleDoNotShip(written)) == ids);
    return 0;
}
