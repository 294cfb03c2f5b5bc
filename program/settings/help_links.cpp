#include "settings/help_links.h"

#include <filesystem>
#include <fstream>

namespace velmora {

std::vector<std::string> readHelpLinkLines(const std::string &folder)
{
    std::vector<std::string> lines;
    std::ifstream in(std::filesystem::path(folder) / kHelpLinksFileName, std::ios::binary);
    std::string line;
    while (in && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string helpLinkTarget(const std::string &line)
{
    const auto bar = line.find('|');
    return bar == std::string::npos ? std::string() : line.substr(bar + 1);
}

HelpLinks buildHelpLinks(const std::vector<std::string> &lines)
{
    HelpLinks links;
    links.hasSeparator = !lines.empty();
    for (size_t n = 0; n < lines.size(); ++n) {
        const auto bar = lines[n].find('|');
        if (bar == std::string::npos)
            continue;
        HelpLinkEntry e{lines[n].substr(0, bar), lines[n].substr(bar + 1), static_cast<int>(n) + 1};
        if (!e.caption.empty() && !e.target.empty())
            links.entries.push_back(e);
    }
    return links;
}

} // namespace velmora
