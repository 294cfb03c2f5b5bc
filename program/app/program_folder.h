// Where the program finds its data and keeps its writable files.
//
// The program folder is the executable's folder: the data supplied with the
// program sit there.  The settings file, the Do Not Ship list and the default
// saved-truckloads folder live there too when the folder is writable (a
// build tree, a folder the user installed into); for a system-wide install
// they go to the user's folders instead.
#pragma once

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

// The folders of this process (creates the user's folders when they are used).
Folders currentFolders();

} // namespace velmora
