#include "app/launchers.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace velmora {

QString regulationsViewerPath(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("Tavisto/quarvel"));
}

QStringList regulationsArguments(const QString &citation)
{
    if (citation.isEmpty())
        return {};
    return {QStringLiteral("cite=") + citation};
}

bool startDetachedProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool openRegulations(const QString &viewerPath, const QString &citation, Prompts &prompts,
                     const ProgramStarter &start)
{
    if (!QFileInfo(viewerPath).isFile()) {
        prompts.error(QStringLiteral("Unable to locate Tavisto."));
        return false;
    }
    start(viewerPath, regulationsArguments(citation));
    return true;
}

QString helpFolder(const QString &programFolder) { return QDir(programFolder).filePath(QStringLiteral("help")); }

QString helpContentsPage(const QString &programFolder)
{
    return QDir(helpFolder(programFolder)).filePath(QStringLiteral("contents.html"));
}

bool openDesktopTarget(const QString &target)
{
    const QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return false;
    return url.isValid() && QDesktopServices::openUrl(url);
}

void openHelpLink(const QString &target, Prompts &prompts, const DesktopOpener &open)
{
    if (!open(target))
        prompts.error(QStringLiteral("Cannot find file: ") + target);
}

} // namespace velmora
