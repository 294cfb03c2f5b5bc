#include "auditors/labels/label_auditor.h"

#include "auditors/scripts/label_audit.h"

#include <QCoreApplication>

namespace velmora::auditors {

AuditorWindowKind labelAuditorKind()
{
    return {QStringLiteral("HazMat Label Auditor"), QStringLiteral("HazMat Labeling Report"),
            QStringLiteral("common_module_hla.htm"), QSize(746, 448), false};
}

std::unique_ptr<AuditorWindow> makeLabelAuditor(const AuditItem &item, const QString &programFolder, QWidget *parent)
{
    AuditorFolders folders(programFolder);
    auto window = std::make_unique<AuditorWindow>(std::make_unique<LabelAudit>(item, folders), folders,
                                                  labelAuditorKind(), parent);
    window->setObjectName(QStringLiteral("LabelAuditor"));
    return window;
}

void openLabelAuditor(QWidget *parent, const Hazmat *item, int ruleset, const QString &programFolder)
{
    if (!item)
        return;
    const QString folder = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() + u'/' : programFolder;
    auto window = makeLabelAuditor(auditItemFromHazmat(item, ruleset), folder, parent);
    window->exec();
}

} // namespace velmora::auditors
