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

Folders currentFolders()
{
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const bool writable = ::access(QFile::encodeName(program).constData(), W_OK) == 0;
    // GenericConfigLocation/GenericDataLocation follow $XDG_CONFIG_HOME and $XDG_DATA_HOME.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    Folders f = chooseFolders(program.toStdString(), writable, config.toStdString(), data.toStdString());
    if (!writable) {
        QDir().mkpath(QString::fromStdString(f.settingsFolder));
        QDir().mkpath(QString::fromStdString(f.dataFolder));
    }
    return f;
}

} // namespace velmora
