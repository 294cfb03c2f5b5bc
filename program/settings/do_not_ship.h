// The Do Not Ship list: ID numbers the installation refuses to load.  Its
// file "vlmdns.dat" holds one ID per line, scrambled byte by byte; lines end
// with LF (lists written with CR LF still read).
#pragma once

#include "settings/ini_file.h"

#include <optional>
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

// Reads "vlmdns.dat" in `folder`; an absent file is an empty list.  A file
// that exists but cannot be read gives nothing and its errno in `error`:
// the caller must not go on as if nothing were forbidden.
std::optional<std::vector<std::string>> loadDoNotShip(const std::string &folder, int &error);
// The message for a list that exists but cannot be read.
std::string doNotShipUnreadableText(const std::string &folder, int error);
// Replaces the list's file atomically (an empty list as an empty file);
// false on failure, the old file then being intact.
bool saveDoNotShip(const std::string &folder, const std::vector<std::string> &ids);
// The list's file in `folder`.
std::string doNotShipPath(const std::string &folder);

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
