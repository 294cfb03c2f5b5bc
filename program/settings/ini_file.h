// A small INI reader and writer with the behaviour of the classic profile
// functions: section and key names compare without regard to case, values
// are trimmed, a key that is set is changed in place and every line the
// program does not know is kept as it was.  (QSettings would reorder the
// file and escape its values.)
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora {

class IniFile {
public:
    // Parses INI text (LF or CR LF line ends).
    void parse(const std::string &text);
    // Reads a file; false when it cannot be read (the content is then empty).
    bool load(const std::string &path);
    // Replaces the file atomically with the lines, each ended by LF (files
    // written with CR LF before still read); false when it cannot be written.
    bool save(const std::string &path) const;

    std::string text() const;

    bool hasSection(const std::string &section) const { return findSection(section) >= 0; }

    // The trimmed value of section/key, or nothing when the key is absent.
    std::optional<std::string> value(const std::string &section, const std::string &key) const;

    // Sets a key in place; a missing key is added at the end of its section,
    // a missing section at the end of the file.
    void setValue(const std::string &section, const std::string &key, const std::string &value);

private:
    int findSection(const std::string &section) const;       // index of the header line, or -1
    int findKey(int sectionLine, const std::string &key) const;  // index of the key line, or -1

    std::vector<std::string> lines_;
};

} // namespace velmora
