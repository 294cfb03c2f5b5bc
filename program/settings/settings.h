// The settings kept between runs in "hazmat.ini": the keys, their fallbacks,
// the skeleton of a first run and the rewrite that stamps the version.
#pragma once

#include "settings/ini_file.h"
#include "settings/program_version.h"

#include <string>

namespace velmora {

inline constexpr const char *kProductTitle = "Velmora - Commercial";
inline constexpr const char *kSettingsFileName = "hazmat.ini";

struct Settings {
    // General
    bool enableSavePrompt = true;
    bool ctViolationWarning = true;
    bool enableDefaultID = false;
    bool defaultPrintAll = false;
    bool enableDefaultInsp = false;
    std::string defaultInspName;
    std::string savePath;       // folders end with the separator once set
    std::string menuItemsPath;
    std::string dnsPath;
    bool enablePathEdit = true;
    std::string currentVersion;
    // PlacardOptions
    bool enableBulk = true;
    bool enableDangerousFirst = false;
    // SavedLoads
    int defaultViewStyle = 0;   // 0 Preview (large icons), 1 Report (details)
    bool processLegality = true;
    // Certification
    bool enablePrintCertification = false;
    bool enableTrailer = true;
    bool enableDriverSig = true;
    bool enableSupervisorSig = false;
    bool enableCustomEntryItem = false;
    std::string customEntryItem;   // at most 60 characters
    bool enableDefaultMessage = true;
    bool enableCustomMessage = false;
    std::string customMessage;     // held with "||" for each line break

    bool operator==(const Settings &) const = default;
};

// The values of a first run; every folder is `defaultFolder`.
Settings firstRunSettings(const std::string &defaultFolder);

// Reads every key; a missing or unusable value gives the key's fallback
// (the value a default-constructed Settings holds).  Booleans are exactly
// "1" or "0"; empty folders give `defaultFolder`.
Settings readSettings(const IniFile &ini, const std::string &defaultFolder);

// A folder setting as stored: a separator is added when missing.
std::string withTrailingSeparator(const std::string &folder);

// "||" in a stored custom message becomes CR LF, and back.
std::string customMessageForDisplay(const std::string &stored);
std::string customMessageForStorage(const std::string &shown);

// The skeleton of a new settings file: every key present, every value empty.
std::string skeletonText();
bool writeSkeleton(const std::string &path);

// Sets every key of an existing file in place and stamps the version;
// false when the file is missing, cannot be read or cannot be written.
// `programFolder` fills "ERGPath".  The file is replaced atomically.
bool rewriteSettings(const std::string &path, const Settings &settings, const std::string &programFolder);
// What a rewrite does to the file's lines: every key set in place, the
// version stamped.
void storeSettings(IniFile &ini, const Settings &settings, const std::string &programFolder);

// Start-up: reads the file when it exists (rewriting it when its version
// stamp is not the program's), otherwise writes the skeleton and takes the
// first-run values.  A file that exists but cannot be read, or holds no
// settings at all (empty, or none of our sections), is left as it is: the
// run uses the first-run values and the user is told (Damaged), so the
// folders it named, the shared Do Not Ship folder among them, are not
// overwritten with defaults.
struct SettingsStart {
    enum class Outcome { Read, ReadRewriteFailed, FirstRun, CannotCreate, Damaged };
    Settings settings;
    Outcome outcome = Outcome::Read;
};
// The message of the Damaged outcome.
std::string damagedSettingsText(const std::string &path);
SettingsStart startSettings(const std::string &path, const std::string &defaultFolder,
                            const std::string &programFolder);

} // namespace velmora
