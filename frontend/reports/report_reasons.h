// The reasons page of a truckload report: for each placarding option, why
// each placard, material without a placard, identification number, marking,
// segregation finding and the permit is as it is, with its citation.
#pragma once

#include "report_model.h"

#include <QString>
#include <QStringList>

struct Engine;

namespace velmora::reports {

// The explanation of option `index` of the engine's last calculation.
std::vector<ReportReason> readReasons(Engine *engine, int index);
// Fills the reasons of every option of a report read from the same engine.
void readAllReasons(Engine *engine, TruckloadReport &report);

// The reasons page: the reasons of the options shown (every option, or the
// current one) as HTML, starting on a new page; nothing when no option has
// reasons.  truckloadReportHtml adds it when its style asks for reasons.
QStringList reasonsSection(const TruckloadReport &report, bool allOptions);

} // namespace velmora::reports
