#include "app/command_line.h"

namespace velmora {

ProgramArguments parseProgramArguments(const QStringList &arguments)
{
    ProgramArguments a;
    bool optionsEnd = false;
    for (const QString &arg : arguments) {
        if (!optionsEnd && arg == QLatin1String("--")) {
            optionsEnd = true;
        } else if (!optionsEnd && (arg == QLatin1String("--help") || arg == QLatin1String("-h"))) {
            a.help = true;
        } else if (!optionsEnd && arg == QLatin1String("--version")) {
            a.version = true;
        } else if (!optionsEnd && arg == QLatin1String("--quit-after-start")) {
            a.quitAfterStart = true;
        } else if (!optionsEnd && arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            a.error = QStringLiteral("unknown option %1").arg(arg);
        } else if (a.truckloadFile.isEmpty()) {
            a.truckloadFile = arg;
        } else {
            a.error = QStringLiteral("one truckload file at a time (%1, %2)").arg(a.truckloadFile, arg);
        }
        if (!a.error.isEmpty())
            break;
    }
    return a;
}

ProgramArguments helpOrVersion(const QStringList &arguments)
{
    ProgramArguments a;
    for (const QString &arg : arguments) {
        if (arg == QLatin1String("--"))
            break;
        a.help = a.help || arg == QLatin1String("--help") || arg == QLatin1String("-h");
        a.version = a.version || arg == QLatin1String("--version");
    }
    return a;
}

QString programUsage()
{
    return QStringLiteral("usage: velmora [--version] [--help] [--quit-after-start] [FILE.vlm]\n"
                          "Checks a truckload of hazardous materials against 49 CFR 171-180 and 385.\n"
                          "FILE.vlm opens a saved truckload.  See velmora(1).\n");
}

} // namespace velmora
