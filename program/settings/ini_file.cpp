#include "settings/ini_file.h"

#include "frontend/file_io.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace velmora {

namespace {

// A settings file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kLargestFile = 1024 * 1024;

std::string trim(const std::string &s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

bool equalNoCase(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The section name of a header line "[name]", or nothing.
std::optional<std::string> sectionName(const std::string &line)
{
    const std::string t = trim(line);
    if (t.size() >= 2 && t.front() == '[') {
        const auto close = t.find(']');
        if (close != std::string::npos)
            return trim(t.substr(1, close - 1));
    }
    return std::nullopt;
}

} // namespace

void IniFile::parse(const std::string &text)
{
    lines_.clear();
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines_.push_back(line);
    }
}

bool IniFile::load(const std::string &path)
{
    lines_.clear();
    int error = 0;
    const std::optional<std::string> bytes = frontend::readRegularFile(path, kLargestFile, error);
    if (!bytes)
        return false;
    parse(*bytes);
    return true;
}

std::string IniFile::text() const
{
    std::string out;
    for (const auto &line : lines_)
        out += line + "\n";
    return out;
}

bool IniFile::save(const std::string &path) const
{
    return frontend::replaceFileAtomically(path, text()) == 0;
}

int IniFile::findSection(const std::string &section) const
{
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (name && equalNoCase(*name, section))
            return static_cast<int>(i);
    }
    return -1;
}

int IniFile::findKey(int sectionLine, const std::string &key) const
{
    for (size_t i = static_cast<size_t>(sectionLine) + 1; i < lines_.size(); ++i) {
        if (sectionName(lines_[i]))
            break;
        const auto eq = lines_[i].find('=');
        if (eq == std::string::npos)
            continue;
        const std::string name = trim(lines_[i].substr(0, eq));
        if (!name.empty() && name[0] != ';' && equalNoCase(name, key))
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> IniFile::value(const std::string &section, const std::string &key) const
{
    const int s = findSection(section);
    if (s < 0)
        return std::nullopt;
    const int k = findKey(s, key);
    if (k < 0)
        return std::nullopt;
    const std::string &line = lines_[static_cast<size_t>(k)];
    return trim(line.substr(line.find('=') + 1));
}

void IniFile::setValue(const std::string &section, const std::string &key, const std::string &value)
{
    int s = findSection(section);
    if (s < 0) {
        if (!lines_.empty() && !trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + section + "]");
        lines_.push_back(key + "=" + value);
        return;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        lines_[static_cast<size_t>(k)] = key + "=" + value;
        return;
    }
    // After the last non-blank line of the section, so the blank line that
    // separates it from the next section stays where it is.
    size_t end = static_cast<size_t>(s) + 1;
    size_t lastContent = static_cast<size_t>(s);
    for (; end < lines_.size() && !sectionName(lines_[end]); ++end)
        if (!trim(lines_[end]).empty())
            lastContent = end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastContent) + 1, key + "=" + value);
}

} // namespace velmora
