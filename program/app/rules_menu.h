// The Rules menu: one radio entry per active ruleset, and the switch with
// its warning when items of the truckload cannot be carried over.
#pragma once

#include "app/hazmat_library.h"
#include "app/prompts.h"

#include <optional>
#include <string>
#include <vector>

#include <QString>

namespace velmora {

struct RulesetFacts {
    int index = 0;
    std::optional<std::string> status;   // nothing when the library has no status
    std::optional<std::string> docket;
};

struct RulesMenuEntry {
    int index = 0;
    QString caption;   // status + " Rules (" + docket + ")"
    bool checked = false;
};

// A missing status reads as the empty text, never as a null in a caption.
QString statusText(const std::optional<std::string> &status);
QString complianceTitle(const std::optional<std::string> &status);

// The facts of the active rulesets, in the library's order.
std::vector<RulesetFacts> activeRulesetFacts(HazmatLibrary &lib);
// Pure: the entries for those facts, the current ruleset checked.
std::vector<RulesMenuEntry> buildRulesMenu(const std::vector<RulesetFacts> &facts, int currentRuleset);

inline const char *const kRulesetConversionQuestion =
    "Some hazardous materials have no previous representation in the old hazardous materials table "
    "and will be removed from the load.  Continue?";

// Asks before a switch that would drop items; false when the user declined
// (nothing changes) or the library refused the ruleset.
bool switchRuleset(HazmatLibrary &lib, Prompts &prompts, int index);

} // namespace velmora
