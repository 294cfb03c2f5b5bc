#include "auditors/scripts/auditor_folders.h"

#include <QDir>
#include <QFileInfo>

namespace velmora::auditors {

namespace {

bool plainFileName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\')
           && !name.contains(QChar(0));
}

} // namespace

AuditorFolders::AuditorFolders(QString programFolder) : program_(std::move(programFolder))
{
    if (!program_.isEmpty() && !program_.endsWith(u'/'))
        program_ += u'/';
}

QString AuditorFolders::find(const QString &folder, const QString &name) const
{
    if (!plainFileName(name))
        return {};
    QDir dir(program_ + folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

DataFileLines AuditorFolders::readDataFile(const QString &name, DataFileKind kind) const
{
    return auditors::readDataFile(find(QStringLiteral("HAZMAT"), name), QStringLiteral("HAZMAT/") + name, kind);
}

QString AuditorFolders::pictureFile(const QString &folder, const QString &name) const
{
    const QString trimmed = name.trimmed();
    if (QString f = find(folder, trimmed); !f.isEmpty())
        return f;
    const qsizetype dot = trimmed.lastIndexOf(u'.');
    if (dot <= 0)
        return {};
    return find(folder, trimmed.left(dot) + QStringLiteral(".svg"));
}

QString AuditorFolders::resolvePageImage(const QString &src) const
{
    QString s = src;
    s.replace(u'\\', u'/');
    if (s.startsWith(QStringLiteral("file://")))
        s = s.mid(7);
    const QString folders[] = {QStringLiteral("LABELS"), QStringLiteral("Markings")};
    for (const QString &folder : folders) {
        const QString prefix = program_ + folder + u'/';
        if (s.startsWith(prefix, Qt::CaseInsensitive))
            return pictureFile(folder, s.mid(prefix.size()));
    }
    return {};
}

} // namespace velmora::auditors
