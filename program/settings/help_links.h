// The custom Help-menu entries of "UserDefinedHelpLinks.txt": each line is a
// caption, a vertical bar and what the desktop opens.
#pragma once

#include <string>
#include <vector>

namespace velmora {

inline constexpr const char *kHelpLinksFileName = "UserDefinedHelpLinks.txt";

struct HelpLinkEntry {
    std::string caption;
    std::string target;
    int line = 0;   // 1-based line of the file
};

struct HelpLinks {
    bool hasSeparator = false;   // the file has at least one line
    std::vector<HelpLinkEntry> entries;
};

// Lines of the file in `folder`; none when it does not exist.
std::vector<std::string> readHelpLinkLines(const std::string &folder);
// Entries for the lines whose caption and target are both non-empty.
HelpLinks buildHelpLinks(const std::vector<std::string> &lines);
// The target of a line: everything after its first "|".
std::string helpLinkTarget(const std::string &line);

} // namespace velmora
