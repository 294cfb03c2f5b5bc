#include "auditors/auditor_shell.h"

#include "app/help_window.h"
#include "app/launchers.h"
#include "viewer/reference_links.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace velmora::auditors {

QString regulationsArgumentOfLink(const QString &href)
{
    if (!href.startsWith(QStringLiteral("quarvel")))
        return {};
    const qsizetype cite = href.indexOf(QStringLiteral("cite="));
    return cite < 0 ? QString() : href.mid(cite);
}

void openAuditorLink(const QString &href, const QString &programFolder, const AuditorProgramStarter &start)
{
    const QString argument = regulationsArgumentOfLink(href);
    const QString viewer = regulationsViewerPath(programFolder).trimmed();
    if (argument.isEmpty() || viewer.isEmpty() || !QFileInfo(viewer).isFile())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    start(viewer, {argument});
    QApplication::restoreOverrideCursor();
}

void openAuditorLink(const QString &href, const QString &programFolder)
{
    // Regulation links open in the program's own regulations viewer, offline.
    const QString argument = regulationsArgumentOfLink(href);
    if (!argument.isEmpty())
        viewer::openReferenceLink(href, programFolder, QApplication::activeWindow());
}

void openAuditorHelp(const QString &programFolder, const QString &topic, QWidget *parent)
{
    const QString folder = helpFolder(programFolder);
    HelpWindow help(folder, parent);
    const QString page = QDir(folder).filePath(topic);
    if (QFileInfo(page).isFile())
        help.browser()->setSource(QUrl::fromLocalFile(page));
    else
        help.showContents();
    help.exec();
}

} // namespace velmora::auditors
