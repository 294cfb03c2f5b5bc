#include "settings/do_not_ship.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace velmora {

namespace {

constexpr uint16_t kScrambleKey = 5281;

std::string listPath(const std::string &folder)
{
    return (std::filesystem::path(folder) / kDoNotShipFileName).string();
}

} // namespace

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
        plain += id + "\r\n";
    return plain;
}

std::vector<std::string> parseDoNotShipPlainText(const std::string &plain)
{
    std::vector<std::string> ids;
    std::istringstream in(plain);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            ids.push_back(line);
    }
    return ids;
}

std::vector<std::string> loadDoNotShip(const std::string &folder)
{
    std::ifstream in(listPath(folder), std::ios::binary);
    if (!in)
        return {};
    std::ostringstream buf;
    buf << in.rdbuf();
    return parseDoNotShipPlainText(scrambleDoNotShip(buf.str()));
}

bool saveDoNotShip(const std::string &folder, const std::vector<std::string> &ids)
{
    std::ofstream out(listPath(folder), std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const std::string bytes = scrambleDoNotShip(doNotShipPlainText(ids));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool doNotShipFileReadOnly(const std::string &folder)
{
    const std::string path = listPath(folder);
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
