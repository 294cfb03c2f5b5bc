#include "settings/settings.h"

#include <filesystem>
#include <fstream>

namespace velmora {

namespace {

bool readBool(const IniFile &ini, const char *section, const char *key, bool fallback)
{
    const auto v = ini.value(section, key);
    if (v && *v == "1")
        return true;
    if (v && *v == "0")
        return false;
    return fallback;
}

std::string readText(const IniFile &ini, const char *section, const char *key)
{
    return ini.value(section, key).value_or(std::string());
}

std::string readFolder(const IniFile &ini, const char *key, const std::string &defaultFolder)
{
    const std::string v = readText(ini, "General", key);
    return withTrailingSeparator(v.empty() ? defaultFolder : v);
}

const char *flag(bool b) { return b ? "1" : "0"; }

void replaceAll(std::string &s, const std::string &from, const std::string &to)
{
    for (size_t pos = 0; (pos = s.find(from, pos)) != std::string::npos; pos += to.size())
        s.replace(pos, from.size(), to);
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
    s.enableSavePrompt = readBool(ini, "General", "EnableSavePrompt", true);
    s.ctViolationWarning = readBool(ini, "General", "CTViolationWarning", true);
    s.enableDefaultID = readBool(ini, "General", "EnableDefaultID", false);
    s.defaultPrintAll = readBool(ini, "General", "DefaultPrintAll", false);
    s.enableDefaultInsp = readBool(ini, "General", "EnableDefaultInsp", false);
    if (s.enableDefaultInsp)
        s.defaultInspName = readText(ini, "General", "DefaultInspName");
    s.savePath = readFolder(ini, "SavePath", defaultFolder);
    s.menuItemsPath = readFolder(ini, "MenuItemsPath", defaultFolder);
    s.dnsPath = readFolder(ini, "DNSPath", defaultFolder);
    s.enablePathEdit = readBool(ini, "General", "EnablePathEdit", true);
    s.currentVersion = readText(ini, "General", "CurrentVersion");

    s.enableBulk = readBool(ini, "PlacardOptions", "EnableBulk", true);
    s.enableDangerousFirst = readBool(ini, "PlacardOptions", "EnableDangerousFirst", false);

    const auto style = ini.value("SavedLoads", "DefaultViewStyle");
    s.defaultViewStyle = (style && *style == "1") ? 1 : 0;
    s.processLegality = readBool(ini, "SavedLoads", "ProcessLegality", true);

    s.enablePrintCertification = readBool(ini, "Certification", "EnablePrintCertification", false);
    s.enableTrailer = readBool(ini, "Certification", "EnableTrailer", true);
    s.enableDriverSig = readBool(ini, "Certification", "EnableDriverSig", true);
    s.enableSupervisorSig = readBool(ini, "Certification", "EnableSupervisorSig", false);
    s.enableCustomEntryItem = readBool(ini, "Certification", "EnableCustomEntryItem", false);
    s.customEntryItem = readText(ini, "Certification", "CustomEntryItem");
    s.enableDefaultMessage = readBool(ini, "Certification", "EnableDefaultMessage", true);
    s.enableCustomMessage = readBool(ini, "Certification", "EnableCustomMessage", false);
    s.customMessage = readText(ini, "Certification", "CustomMessage");
    return s;
}

std::string skeletonText()
{
    static const char *const lines[] = {
        "[General]", "EnableSavePrompt=", "SPExpandAll=", "SPViolationWarning=", "CTViolationWarning=",
        "EnableDefaultID=", "DefaultPrintAll=", "EnableDefaultInsp=", "DefaultInspName=", "SavePath=",
        "ERGPath=", "MenuItemsPath=", "DNSPath=", "EnablePathEdit=", "CurrentVersion=", "",
        "[PlacardOptions]", "EnableBulk=", "EnableDangerousFirst=", "",
        "[SavedLoads]", "DefaultViewStyle=", "ProcessLegality=", "",
        "[Certification]", "EnablePrintCertification=", "EnableTrailer=", "EnableDriverSig=",
        "EnableSupervisorSig=", "EnableCustomEntryItem=", "CustomEntryItem=", "EnableDefaultMessage=",
        "EnableCustomMessage=", "CustomMessage="};
    std::string text;
    for (const char *line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

bool writeSkeleton(const std::string &path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const std::string text = skeletonText();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool rewriteSettings(const std::string &path, const Settings &s, const std::string &programFolder)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return false;
    IniFile ini;
    if (!ini.load(path))
        return false;
    ini.setValue("General", "EnableSavePrompt", flag(s.enableSavePrompt));
    ini.setValue("General", "CTViolationWarning", flag(s.ctViolationWarning));
    ini.setValue("General", "EnableDefaultID", flag(s.enableDefaultID));
    ini.setValue("General", "DefaultPrintAll", flag(s.defaultPrintAll));
    ini.setValue("General", "EnableDefaultInsp", flag(s.enableDefaultInsp));
    ini.setValue("General", "DefaultInspName", s.defaultInspName);
    ini.setValue("General", "SavePath", s.savePath);
    ini.setValue("General", "ERGPath", withTrailingSeparator(programFolder));
    ini.setValue("General", "MenuItemsPath", s.menuItemsPath);
    ini.setValue("General", "DNSPath", s.dnsPath);
    ini.setValue("General", "EnablePathEdit", flag(s.enablePathEdit));
    ini.setValue("General", "CurrentVersion", kProgramVersion);
    ini.setValue("PlacardOptions", "EnableBulk", flag(s.enableBulk));
    ini.setValue("PlacardOptions", "EnableDangerousFirst", flag(s.enableDangerousFirst));
    ini.setValue("SavedLoads", "DefaultViewStyle", std::to_string(s.defaultViewStyle));
    ini.setValue("SavedLoads", "ProcessLegality", flag(s.processLegality));
    ini.setValue("Certification", "EnablePrintCertification", flag(s.enablePrintCertification));
    ini.setValue("Certification", "EnableTrailer", flag(s.enableTrailer));
    ini.setValue("Certification", "EnableDriverSig", flag(s.enableDriverSig));
    ini.setValue("Certification", "EnableSupervisorSig", flag(s.enableSupervisorSig));
    ini.setValue("Certification", "EnableCustomEntryItem", flag(s.enableCustomEntryItem));
    ini.setValue("Certification", "CustomEntryItem", s.customEntryItem);
    ini.setValue("Certification", "EnableDefaultMessage", flag(s.enableDefaultMessage));
    ini.setValue("Certification", "EnableCustomMessage", flag(s.enableCustomMessage));
    ini.setValue("Certification", "CustomMessage", s.customMessage);
    return ini.save(path);
}

SettingsStart startSettings(const std::string &path, const std::string &defaultFolder,
                            const std::string &programFolder)
{
    SettingsStart start;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        IniFile ini;
        ini.load(path);
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
