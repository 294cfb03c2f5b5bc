#include "app/program_folder.h"

#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace velmora {

Folders chooseFolders(const std::string &programFolder, bool programFolderWritable,
                      const std::string &userConfigHome, const std::string &userDataHome)
{
    Folders f;
    f.programFolder = withTrailingSeparator(programFolder);
    if (programFolderWritable) {
        f.settingsFolder = f.dataFolder = f.programFolder;
    } else {
        f.settingsFolder = withTrailingSeparator(withTrailingSeparator(userConfigHome) + "velmora");
        f.dataFolder = withTrailingSeparator(withTrailingSeparator(userDataHome) + "velmora");
    }
    return f;
}

DataLocation locateProgramFolder(const std::string &executableFolder,
                                 const std::function<bool(const std::string &)> &isFolder)
{
    const std::string own = withTrailingSeparator(executableFolder);
    // Only an executable in a folder named "bin" is taken as installed
    // under a prefix: a build tree's share/ folder means nothing.
    std::string bin = own.substr(0, own.size() - 1);
    const std::size_t slash = bin.find_last_of('/');
    if (slash != std::string::npos && bin.compare(slash + 1, std::string::npos, "bin") == 0) {
        const std::string shared = bin.substr(0, slash + 1) + "share/velmora/";
        if (isFolder(shared))
            return {shared, true};
    }
    return {own, false};
}

Folders currentFolders()
{
    const QString executable = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const DataLocation data = locateProgramFolder(executable.toStdString(), [](const std::string &path) {
        return QFileInfo(QString::fromStdString(path)).isDir();
    });
    // An installed program keeps its users' files in their own folders even
    // when it may write its prefix (run by root, or installed into a home).
    const bool writable =
        !data.installed && ::access(QFile::encodeName(executable).constData(), W_OK) == 0;
    // GenericConfigLocation/GenericDataLocation follow $XDG_CONFIG_HOME and $XDG_DATA_HOME.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString data_home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    Folders f = chooseFolders(data.programFolder, writable, config.toStdString(), data_home.toStdString());
    if (!writable) {
        QDir().mkpath(QString::fromStdString(f.settingsFolder));
        QDir().mkpath(QString::fromStdString(f.dataFolder));
    }
    return f;
}

} // namespace velmora
