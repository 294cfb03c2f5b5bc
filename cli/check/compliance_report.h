// What the checker reports for one truckload: the ruleset, every
// placarding option with its placards and markings, the messages, the
// legality and the hazmat safety permit verdict, as JSON and as text.
#pragma once

#include "dravlen.h"

#include <nlohmann/json.hpp>

#include <string>

namespace velmora::check {

// Computes the engine's truckload and describes the result.  Field names
// are the stable interface documented in the README.
nlohmann::json DescribeTruckload(Engine *engine, const std::string &source);

// The same as readable text.
std::string FormatTruckload(const nlohmann::json &report);

// 0 legal, 1 illegal, 2 cannot be determined.
int LegalityOf(const nlohmann::json &report);

} // namespace velmora::check
