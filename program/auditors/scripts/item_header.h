// What both auditors show of an item: the script name chosen by its primary
// hazard code, and the item header table at the top of every page.
#pragma once

#include "auditors/scripts/audit_item.h"

#include <QString>

namespace velmora::auditors {

struct ScriptName {
    QString name;            // "3", "1.4", "6.11", "3.0" ...
    QString explosiveSuffix; // "4S" for "1.4S"; empty for other codes
};

// `has11Div`: "1.1.DIV" exists in the data folder (explosives then have a
// script per division).  The label auditor splits "6.1" into "6.11"
// (poisonous by inhalation) and "6.12".
ScriptName scriptName(const QString &primary, bool has11Div, bool labelAuditor, bool poisonByInhalation);

// "N/A" for an item with fewer than two hazard codes, else codes 1..n-1
// joined by ",".
QString subsidiaryList(const AuditItem &item);

// "", "I", "II", "III" or "???".
QString packingGroupText(int packingGroup);

// The item header table, left open for the page to add rows.
QString itemHeader(const AuditItem &item);

} // namespace velmora::auditors
