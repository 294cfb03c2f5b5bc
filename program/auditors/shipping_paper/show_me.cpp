#include "auditors/shipping_paper/show_me.h"

#include "auditors/shipping_paper/show_me_audit.h"

#include "dravlen.h"

#include <QDir>
#include <QLibrary>

namespace velmora::shipping_paper {

QString showMeLibraryPath(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral(VELMORA_SHOW_ME_LIBRARY));
}

ShowMeRun runShowMeAudit(Engine *engine, const QString &libraryPath)
{
    ShowMeRun run;
    Load *load = engine ? GetLoad_Engine(engine) : nullptr;
    if (!load) {
        run.error = QStringLiteral("Show Me What You See is not available: there is no truckload.");
        return run;
    }
    QLibrary library(libraryPath);
    auto create = reinterpret_cast<VelmoraCreateShowMeAudit>(library.resolve(VELMORA_SHOW_ME_ENTRY));
    IShowMeAudit *audit = create ? create() : nullptr;
    if (!audit) {
        run.error = QStringLiteral("Show Me What You See is not available: the Show-Me audit component (%1) "
                                   "could not be loaded.\n%2")
                        .arg(QDir::toNativeSeparators(libraryPath),
                             create ? QStringLiteral("It created no audit.") : library.errorString());
        return run;
    }
    const int32_t status = audit->RunAudit(engine);
    audit->Release();
    library.unload();
    if (status != 0)
        run.error = QStringLiteral("The Show-Me audit failed (status %1).").arg(status);
    run.changed = ShowMeChanged_Vehicle(load) != 0;
    return run;
}

} // namespace velmora::shipping_paper
