#include "settings/do_not_ship.h"

#include "frontend/file_io.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace velmora {

namespace {

constexpr uint16_t kScrambleKey = 5281;
// A list of ID numbers is kilobytes; a file far larger is not one.
constexpr std::size_t kLargestList = 4 * 1024 * 1024;

} // namespace

std::string doNotShipPath(const std::string &folder)
{
    return (std::filesystem::path(folder) / kDoNotShipFileName).string();
}

std::string upperCased(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string scrambleDoNotShip(const std::string &bytes)
{
    std::string out = bytes;
    for (size_t i = 0; i < out.size(); ++i) {
        const unsigned shift = static_cast<unsigned>(i % 32);
        const uint8_t k = shift >= 16 ? 0 : static_cast<uint8_t>(kScrambleKey >> shift);
        out[i] = static_cast<char>(static_cast<uint8_t>(out[i]) ^ static_cast<uint8_t>(~k));
    }
    return out;
}

bool DoNotShipList::contains(const std::string &id) const
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

std::string doNotShipPlainText(const std::vector<std::string> &ids)
{
    std::string plain;
    for (const auto &id : ids)
        plain += id + "\n";
    return plain;
}

std::vector<std::string> parseDoNotShipPlainText(const std::string &plain)
{
    std::vector<std::string> ids;
    std::istringstream in(plain);
    std::string line;
    while (std::getline(in, line)) {
        // An ID number holds no blanks: those around it (a CR of a CR LF
        // line end among them) are not part of it.
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        ids.push_back(line.substr(first, line.find_last_not_of(" \t\r") - first + 1));
    }
    return ids;
}

std::optional<std::vector<std::string>> loadDoNotShip(const std::string &folder, int &error)
{
    const std::string path = doNotShipPath(folder);
    const std::optional<std::string> bytes = frontend::readRegularFile(path, kLargestList, error);
    if (!bytes) {
        if (error == ENOENT) {   // no list: nothing is forbidden
            error = 0;
            return std::vector<std::string>{};
        }
        return std::nullopt;
    }
    return parseDoNotShipPlainText(scrambleDoNotShip(*bytes));
}

std::string doNotShipUnreadableText(const std::string &folder, int error)
{
    return "The Do Not Ship list " + doNotShipPath(folder) + " cannot be read (" + std::strerror(error) +
           "). Velmora cannot check truckloads against it and closes. Restore the file, or ask your system "
           "administrator for help.";
}

bool saveDoNotShip(const std::string &folder, const std::vector<std::string> &ids)
{
    return frontend::replaceFileAtomically(doNotShipPath(folder), scrambleDoNotShip(doNotShipPlainText(ids))) == 0;
}

bool doNotShipFileReadOnly(const std::string &folder)
{
    const std::string path = doNotShipPath(folder);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return false;
    return ::access(path.c_str(), W_OK) != 0;
}

std::string doNotShipPassword(const IniFile &settingsFile)
{
    const auto v = settingsFile.value("DoNotShip", "Password");
    return upperCased(v && !v->empty() ? *v : std::string(kDefaultDoNotShipPassword));
}

bool doNotShipPasswordAccepted(const std::string &typed, const std::string &password)
{
    return upperCased(typed) == password;
}

} // namespace velmora
