#include "auditors/markings/marking_auditor.h"

#include "auditors/scripts/marking_audit.h"

#include <QCoreApplication>

namespace velmora::auditors {

AuditorWindowKind markingAuditorKind()
{
    return {QStringLiteral("HazMat Package Marking Auditor"), QStringLiteral("HazMat Package Marking Report"),
            QStringLiteral("common_module_pma.htm"), QSize(746, 370), true};
}

std::unique_ptr<AuditorWindow> makeMarkingAuditor(const AuditItem &item, const QString &programFolder, QWidget *parent)
{
    AuditorFolders folders(programFolder);
    auto window = std::make_unique<AuditorWindow>(std::make_unique<MarkingAudit>(item, folders), folders,
                                                  markingAuditorKind(), parent);
    window->setObjectName(QStringLiteral("MarkingAuditor"));
    return window;
}

void openMarkingAuditor(QWidget *parent, const Hazmat *item, int ruleset, const QString &programFolder)
{
    if (!item)
        return;
    const QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() + u'/' : programFolder;
    auto window = makeMarkingAuditor(auditItemFromHazmat(item, ruleset), folder, parent);
    window->exec();
}

} // namespace velmora::auditors
