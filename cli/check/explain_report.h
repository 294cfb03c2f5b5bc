// The reasons of each placarding option (--explain): as a "reasons" array in
// every option of the JSON report, and as a "Why" section of the text.
#pragma once

#include "dravlen.h"

#include <nlohmann/json.hpp>

#include <string>

namespace velmora::check {

// Adds "reasons" to every option of a report DescribeTruckload made of the
// same engine: kind, kind_code, text, citation and the items (1-based index
// and ID) of each line.
void AddReasons(Engine *engine, nlohmann::json &report);

// The reasons of every option as readable text.
std::string FormatReasons(const nlohmann::json &report);

} // namespace velmora::check
