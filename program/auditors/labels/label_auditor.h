// The label auditor window: which hazard labels the packages of one
// truckload item must bear, from the division scripts of the data folder.
#pragma once

#include "auditors/auditor_window.h"
#include "auditors/scripts/audit_item.h"

#include <memory>

struct Hazmat;

namespace velmora::auditors {

AuditorWindowKind labelAuditorKind();

// The window for one item; `programFolder` ends with "/".
std::unique_ptr<AuditorWindow> makeLabelAuditor(const AuditItem &item, const QString &programFolder,
                                                QWidget *parent = nullptr);

// Opens the label auditor on an item of the current truckload, modally, and
// releases it when it closes.  The item is only read.  `ruleset` is the
// engine's current ruleset; an empty program folder means the executable's.
void openLabelAuditor(QWidget *parent, const Hazmat *item, int ruleset, const QString &programFolder = {});

} // namespace velmora::auditors
