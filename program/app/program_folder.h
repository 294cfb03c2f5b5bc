// Where the program finds its data and keeps its writable files.
//
// The program folder holds the data supplied with the program (help pages,
// regulations, guides, auditor scripts and pictures, tank charts, the
// regulations program).  Run from its build tree, or from a folder the
// program was unpacked into as one piece, that is the executable's own
// folder.  Installed under a prefix (<prefix>/bin/velmora), the data sit in
// <prefix>/share/velmora.
//
// The settings file, the Do Not Ship list and the default saved-truckloads
// folder live in the program folder when it is the executable's own,
// writable folder; for an installed program, or a folder the user may not
// write, they go to the user's folders ($XDG_CONFIG_HOME/velmora,
// $XDG_DATA_HOME/velmora), never next to a shared executable.
#pragma once

#include <functional>
#include <string>

namespace velmora {

struct Folders {
    std::string programFolder;   // with the trailing separator
    std::string settingsFolder;  // holds hazmat.ini
    std::string dataFolder;      // default SavePath, DNSPath, MenuItemsPath
};

// Pure rule: `programFolderWritable` decides between the program folder and
// the user's folders ($XDG_CONFIG_HOME/velmora, $XDG_DATA_HOME/velmora).
Folders chooseFolders(const std::string &programFolder, bool programFolderWritable,
                      const std::string &userConfigHome, const std::string &userDataHome);

// Where the supplied data of an executable in `executableFolder` sit.
struct DataLocation {
    std::string programFolder;   // with the trailing separator
    bool installed = false;      // under a prefix: <prefix>/share/velmora
};
// Pure rule: <executableFolder>/../share/velmora when `isFolder` says it
// exists, otherwise the executable's own folder.
DataLocation locateProgramFolder(const std::string &executableFolder,
                                 const std::function<bool(const std::string &)> &isFolder);

// The folders of this process (creates the user's folders when they are used).
Folders currentFolders();

} // namespace velmora
