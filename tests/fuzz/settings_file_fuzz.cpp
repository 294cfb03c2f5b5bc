// Fuzz target: the settings file reader.  Any text parses; the settings
// read from it keep their invariants (folders end with a separator, the
// view style is 0 or 1); rewriting them and reading the result back gives
// the same settings, and a second rewrite changes nothing.
#include "settings/ini_file.h"
#include "settings/settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

bool EndsWithSeparator(const std::string &folder)
{
    return !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace velmora;
    IniFile ini;
    ini.parse(std::string(reinterpret_cast<const char *>(data), size));
    const Settings s = readSettings(ini, "/program/");
    Require(EndsWithSeparator(s.savePath) && EndsWithSeparator(s.menuItemsPath) && EndsWithSeparator(s.dnsPath));
    Require(s.defaultViewStyle == 0 || s.defaultViewStyle == 1);

    // What the rewrite stores reads back as the settings it stored, as long
    // as no value holds a line break (the file has one line per key).
    const auto oneLine = [](const std::string &v) { return v.find_first_of("\r\n") == std::string::npos; };
    if (!oneLine(s.defaultInspName) || !oneLine(s.customEntryItem) || !oneLine(s.customMessage))
        return 0;
    IniFile stored;
    stored.parse(ini.text());
    storeSettings(stored, s, "/program/");
    IniFile reread;
    reread.parse(stored.text());
    Require(reread.text() == stored.text());
    Settings back = readSettings(reread, "/program/");
    Settings expected = s;
    expected.currentVersion = kProgramVersion;
    Require(back == expected);
    return 0;
}
