// velmora-check --pdf: the compliance report of each truckload, every
// placarding option with its markings, messages and citations, legality and
// permit, written as one PDF.  Works without a display.
#pragma once

#include "report_model.h"

#include <string>
#include <vector>

namespace velmora::check {

// Writes the reports (one document each, each starting on a new page) to
// `path` on Letter or A4 paper.  Returns the error to show, empty on
// success; nothing is left at `path` on failure.
std::string WritePdfReport(const std::vector<reports::TruckloadReport> &truckloads, const std::string &path,
                           bool a4);

} // namespace velmora::check
