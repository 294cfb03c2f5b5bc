// The folders the auditors read: the data folder "HAZMAT", the label
// pictures "LABELS" and the marking pictures "Markings", all under the
// program folder.  Names are looked up without regard to letter case, and
// only plain file names are looked up: a name holding a path separator or
// ".." finds nothing.
//
// Pictures are drawn as SVG.  A picture named "3flmliq.jpg" is the file of
// that exact name when there is one, else "3flmliq.svg" beside it.
#pragma once

#include "auditors/scripts/script_file.h"

#include <QString>

namespace velmora::auditors {

class AuditorFolders {
public:
    // `programFolder` ends with "/".
    explicit AuditorFolders(QString programFolder);

    const QString &programFolder() const { return program_; }

    // The file `name` in `folder` (a folder of the program folder), any
    // letter case; empty when there is none.
    QString find(const QString &folder, const QString &name) const;

    bool hasDataFile(const QString &name) const { return !find(QStringLiteral("HAZMAT"), name).isEmpty(); }
    DataFileLines readDataFile(const QString &name, DataFileKind kind) const;

    // The file that shows a picture of "LABELS" or "Markings"; empty when none.
    QString pictureFile(const QString &folder, const QString &name) const;
    bool hasLabelPicture(const QString &name) const { return !pictureFile(QStringLiteral("LABELS"), name).isEmpty(); }

    // How a page names a picture: program folder + folder + "/" + name.
    QString picturePath(const QString &folder, const QString &name) const { return program_ + folder + u'/' + name; }

    // A picture a page names (its SRC), resolved to the file that shows it;
    // empty unless it lies in "LABELS" or "Markings" of this program folder.
    QString resolvePageImage(const QString &src) const;

private:
    QString program_;
};

} // namespace velmora::auditors
