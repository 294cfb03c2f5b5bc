// Starting what lies outside the main window: the regulations program
// "Tavisto", the help pages and the custom help links.
#pragma once

#include "app/prompts.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace velmora {

// program folder + "Tavisto/quarvel"
QString regulationsViewerPath(const QString &programFolder);

// The arguments the regulations program gets: "cite=" + citation, or none.
QStringList regulationsArguments(const QString &citation);

// Starts a program without waiting; true when it started.
using ProgramStarter = std::function<bool(const QString &program, const QStringList &arguments)>;
bool startDetachedProgram(const QString &program, const QStringList &arguments);

// Opens the regulations program at a citation (empty: no citation).  A
// missing program file shows "Unable to locate Tavisto."; a start failure is
// not reported.  False when the program file is missing.
bool openRegulations(const QString &viewerPath, const QString &citation, Prompts &prompts,
                     const ProgramStarter &start = startDetachedProgram);

// The help pages supplied under the program folder.
QString helpFolder(const QString &programFolder);
QString helpContentsPage(const QString &programFolder);

// Opens a custom help link's target (document, program or web address)
// through the desktop; relative paths are taken from the program folder.
// Failure shows "Cannot find file: " + target.
using DesktopOpener = std::function<bool(const QString &target)>;
bool openDesktopTarget(const QString &target);
void openHelpLink(const QString &target, Prompts &prompts, const DesktopOpener &open = openDesktopTarget);

} // namespace velmora
