// The program's command line: velmora [--version] [--help]
// [--quit-after-start] [FILE.vlm].  Read before any window exists, so
// --version and --help answer without a display.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

struct ProgramArguments {
    bool help = false;
    bool version = false;
    bool quitAfterStart = false;   // start up completely, then end (status 0 when started)
    QString truckloadFile;         // a saved truckload to open, empty for none
    QString error;                 // what is wrong with the command line, empty when nothing
};

// `arguments` without the program name, after Qt took its own options
// (-platform, -style, ...).
ProgramArguments parseProgramArguments(const QStringList &arguments);

// Only --help and --version, wherever they stand before "--", among any
// other arguments, Qt's own included: they are answered before the window
// system starts.
ProgramArguments helpOrVersion(const QStringList &arguments);

// The --help text.
QString programUsage();

} // namespace velmora
