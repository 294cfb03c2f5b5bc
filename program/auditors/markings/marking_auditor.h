// The package-marking auditor window: which markings the packages of one
// truckload item must bear.
#pragma once

#include "auditors/auditor_window.h"
#include "auditors/scripts/audit_item.h"

#include <memory>

struct Hazmat;

namespace velmora::auditors {

AuditorWindowKind markingAuditorKind();

std::unique_ptr<AuditorWindow> makeMarkingAuditor(const AuditItem &item, const QString &programFolder,
                                                  QWidget *parent = nullptr);

// Opens the package-marking auditor on an item of the current truckload,
// modally, and releases it when it closes.
void openMarkingAuditor(QWidget *parent, const Hazmat *item, int ruleset, const QString &programFolder = {});

} // namespace velmora::auditors
