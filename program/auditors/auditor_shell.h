// What the auditor windows start outside themselves: the regulations
// program at a cited paragraph, and the help page of an auditor.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace velmora::auditors {

// The argument a "quarvel" link hands the regulations program: from
// "cite=" to the end of the link.  Empty for any other link.
QString regulationsArgumentOfLink(const QString &href);

// Starts a program with its arguments; true when it started.
using AuditorProgramStarter = std::function<bool(const QString &program, const QStringList &arguments)>;

// A link clicked in an auditor page: a "quarvel" link starts the regulations
// program of the program folder (under the wait cursor); other links, and a
// program folder without the regulations program, do nothing.
void openAuditorLink(const QString &href, const QString &programFolder, const AuditorProgramStarter &start);
void openAuditorLink(const QString &href, const QString &programFolder);

// The help window at a topic page of the program's help folder.
void openAuditorHelp(const QString &programFolder, const QString &topic, QWidget *parent);

} // namespace velmora::auditors
