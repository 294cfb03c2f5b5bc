#include "settings/settings.h"

#include "frontend/file_io.h"

#include <filesystem>

namespace velmora {

namespace {

// Every key of the settings file, once, in the order of the file: the
// skeleton writes them all, a rewrite sets every key but the unused ones,
// and the reader takes each into its member.  A key's read fallback is the
// value of a default-constructed Settings.
struct Key {
    enum class Kind { Flag, Text, Folder, ViewStyle, Version, ProgramFolder, Unused };
    const char *section;
    const char *name;
    Kind kind;
    bool Settings::*flag = nullptr;
    std::string Settings::*text = nullptr;
};

using K = Key::Kind;
const Key kKeys[] = {
    {"General", "EnableSavePrompt", K::Flag, &Settings::enableSavePrompt},
    {"General", "SPExpandAll", K::Unused},
    {"General", "SPViolationWarning", K::Unused},
    {"General", "CTViolationWarning", K::Flag, &Settings::ctViolationWarning},
    {"General", "EnableDefaultID", K::Flag, &Settings::enableDefaultID},
    {"General", "DefaultPrintAll", K::Flag, &Settings::defaultPrintAll},
    {"General", "EnableDefaultInsp", K::Flag, &Settings::enableDefaultInsp},
    {"General", "DefaultInspName", K::Text, nullptr, &Settings::defaultInspName},
    {"General", "SavePath", K::Folder, nullptr, &Settings::savePath},
    {"General", "ERGPath", K::ProgramFolder},
    {"General", "MenuItemsPath", K::Folder, nullptr, &Settings::menuItemsPath},
    {"General", "DNSPath", K::Folder, nullptr, &Settings::dnsPath},
    {"General", "EnablePathEdit", K::Flag, &Settings::enablePathEdit},
    {"General", "CurrentVersion", K::Version, nullptr, &Settings::currentVersion},
    {"PlacardOptions", "EnableBulk", K::Flag, &Settings::enableBulk},
    {"PlacardOptions", "EnableDangerousFirst", K::Flag, &Settings::enableDangerousFirst},
    {"SavedLoads", "DefaultViewStyle", K::ViewStyle},
    {"SavedLoads", "ProcessLegality", K::Flag, &Settings::processLegality},
    {"Certification", "EnablePrintCertification", K::Flag, &Settings::enablePrintCertification},
    {"Certification", "EnableTrailer", K::Flag, &Settings::enableTrailer},
    {"Certification", "EnableDriverSig", K::Flag, &Settings::enableDriverSig},
    {"Certification", "EnableSupervisorSig", K::Flag, &Settings::enableSupervisorSig},
    {"Certification", "EnableCustomEntryItem", K::Flag, &Settings::enableCustomEntryItem},
    {"Certification", "CustomEntryItem", K::Text, nullptr, &Settings::customEntryItem},
    {"Certification", "EnableDefaultMessage", K::Flag, &Settings::enableDefaultMessage},
    {"Certification", "EnableCustomMessage", K::Flag, &Settings::enableCustomMessage},
    {"Certification", "CustomMessage", K::Text, nullptr, &Settings::customMessage},
};

const char *flag(bool b) { return b ? "1" : "0"; }

void replaceAll(std::string &s, const std::string &from, const std::string &to)
{
    for (size_t pos = 0; (pos = s.find(from, pos)) != std::string::npos; pos += to.size())
        s.replace(pos, from.size(), to);
}

// A file that holds none of our sections is not a settings file.
bool holdsSettings(const IniFile &ini)
{
    for (const Key &k : kKeys)
        if (ini.hasSection(k.section))
            return true;
    return false;
}

} // namespace

std::string withTrailingSeparator(const std::string &folder)
{
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\')
        return folder;
    return folder + "/";
}

std::string customMessageForDisplay(const std::string &stored)
{
    std::string s = stored;
    replaceAll(s, "||", "\r\n");
    return s;
}

std::string customMessageForStorage(const std::string &shown)
{
    std::string s = shown;
    replaceAll(s, "\r\n", "||");
    replaceAll(s, "\n", "||");   // a text field may hold bare line feeds
    return s;
}

Settings firstRunSettings(const std::string &defaultFolder)
{
    Settings s;
    s.savePath = s.menuItemsPath = s.dnsPath = withTrailingSeparator(defaultFolder);
    return s;
}

Settings readSettings(const IniFile &ini, const std::string &defaultFolder)
{
    Settings s;
    for (const Key &k : kKeys) {
        const std::optional<std::string> v = ini.value(k.section, k.name);
        switch (k.kind) {
        case K::Flag:
            if (v && (*v == "1" || *v == "0"))
                s.*k.flag = *v == "1";
            break;
        case K::Text:
        case K::Version:
            s.*k.text = v.value_or(std::string());
            break;
        case K::Folder:
            s.*k.text = withTrailingSeparator(v && !v->empty() ? *v : defaultFolder);
            break;
        case K::ViewStyle:
            s.defaultViewStyle = (v && *v == "1") ? 1 : 0;
            break;
        case K::ProgramFolder:
        case K::Unused:
            break;
        }
    }
    // The inspector's name is taken only when it is to be used.
    if (!s.enableDefaultInsp)
        s.defaultInspName.clear();
    return s;
}

std::string skeletonText()
{
    IniFile ini;
    for (const Key &k : kKeys)
        ini.setValue(k.section, k.name, std::string());
    return ini.text();
}

bool writeSkeleton(const std::string &path)
{
    return frontend::replaceFileAtomically(path, skeletonText()) == 0;
}

bool rewriteSettings(const std::string &path, const Settings &s, const std::string &programFolder)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return false;
    IniFile ini;
    if (!ini.load(path))
        return false;
    storeSettings(ini, s, programFolder);
    return ini.save(path);
}

void storeSettings(IniFile &ini, const Settings &s, const std::string &programFolder)
{
    for (const Key &k : kKeys) {
        switch (k.kind) {
        case K::Flag:
            ini.setValue(k.section, k.name, flag(s.*k.flag));
            break;
        case K::Text:
        case K::Folder:
            ini.setValue(k.section, k.name, s.*k.text);
            break;
        case K::Version:
            ini.setValue(k.section, k.name, kProgramVersion);
            break;
        case K::ViewStyle:
            ini.setValue(k.section, k.name, std::to_string(s.defaultViewStyle));
            break;
        case K::ProgramFolder:
            ini.setValue(k.section, k.name, withTrailingSeparator(programFolder));
            break;
        case K::Unused:
            break;
        }
    }
}

std::string damagedSettingsText(const std::string &path)
{
    return "The settings file " + path +
           " cannot be read or holds no settings. Velmora starts with its default settings and leaves the file "
           "as it is; saving the Preferences replaces it.";
}

SettingsStart startSettings(const std::string &path, const std::string &defaultFolder,
                            const std::string &programFolder)
{
    SettingsStart start;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        IniFile ini;
        if (!ini.load(path) || !holdsSettings(ini)) {
            start.settings = firstRunSettings(defaultFolder);
            start.outcome = SettingsStart::Outcome::Damaged;
            return start;
        }
        start.settings = readSettings(ini, defaultFolder);
        start.outcome = SettingsStart::Outcome::Read;
        if (start.settings.currentVersion != kProgramVersion) {
            if (rewriteSettings(path, start.settings, programFolder))
                start.settings.currentVersion = kProgramVersion;
            else
                start.outcome = SettingsStart::Outcome::ReadRewriteFailed;
        }
        return start;
    }
    start.settings = firstRunSettings(defaultFolder);
    start.outcome = writeSkeleton(path) ? SettingsStart::Outcome::FirstRun : SettingsStart::Outcome::CannotCreate;
    return start;
}

} // namespace velmora
