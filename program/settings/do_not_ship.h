// The Do Not Ship list: ID numbers the installation refuses to load.  Its
// file "vlmdns.dat" holds one ID per line (CR LF), scrambled byte by byte.
#pragma once

#include "settings/ini_file.h"

#include <string>
#include <vector>

namespace velmora {

inline constexpr const char *kDoNotShipFileName = "vlmdns.dat";

// Byte i is XORed with NOT(low 8 bits of (5281 >> (i mod 32))); a shift of
// 16 or more gives 0, so those bytes are simply complemented.  The step is
// its own inverse.
std::string scrambleDoNotShip(const std::string &bytes);

struct DoNotShipList {
    std::vector<std::string> ids;
    bool changed = false;   // differs from its file

    bool contains(const std::string &id) const;
};

// The plain text of the list and back.
std::string doNotShipPlainText(const std::vector<std::string> &ids);
std::vector<std::string> parseDoNotShipPlainText(const std::string &plain);

// Reads "vlmdns.dat" in `folder` when it exists; an absent file is an empty list.
std::vector<std::string> loadDoNotShip(const std::string &folder);
// Writes the list (an empty list as an empty file); false on failure.
bool saveDoNotShip(const std::string &folder, const std::vector<std::string> &ids);

// True when the list file exists and cannot be written.
bool doNotShipFileReadOnly(const std::string &folder);

// The installation's password, kept upper-cased so it can always be typed
// (the dialog upper-cases what the user types).  It is provisioned under
// [DoNotShip] Password in the settings file; an installation without one
// uses kDefaultDoNotShipPassword.
inline constexpr const char *kDefaultDoNotShipPassword = "VELMORA";
std::string doNotShipPassword(const IniFile &settingsFile);
bool doNotShipPasswordAccepted(const std::string &typed, const std::string &password);

std::string upperCased(std::string s);

} // namespace velmora
