// The inspection question catalogue: which questions each question list
// holds.  Every text, citation, group and help-page name is a constant.
#pragma once

#include "dravlen.h"
#include "inspection/item_facts.h"

#include <string>

namespace dravlen {

extern const char kTopMCTI[];     // "MCTI"
extern const char kTopShipping[]; // "Shipping"
extern const char kGroupVehicleType[]; // "Vehicle Type"

// Motor cargo tank inspection list of a vehicle code: empty for code 0 and
// any code outside 1-19.  The list must be empty on entry.
void BuildMctiList(QuestionList *list, int vehicleCode);

// Load-level ("Global") shipping-paper list.  allRadioactive: the load has
// items and every item has class 7 among its codes (49 CFR 172.203(d)(9)
// exclusive-use questions).  The list must be empty on entry.
void BuildLoadPaperList(QuestionList *list, bool allRadioactive);

// The shipping-paper list of one item, every question grouped under label.
// vehicleCode is the load's (49 CFR 172.203(h) questions depend on it).
// Gives question 12 its limited-quantity page; other links stay unset.
void BuildItemPaperList(QuestionList *list, const ItemFacts &item, const std::string &label,
                        int vehicleCode);

// Default help pages of load-level and item questions by ID.
const char *LoadPaperDefaultLink(int32_t id);
const char *ItemPaperDefaultLink(int32_t id);

// Gives every question of the list that has no link its default.
void ApplyDefaultLinks(QuestionList *list, const char *(*defaultLink)(int32_t));

} // namespace dravlen
