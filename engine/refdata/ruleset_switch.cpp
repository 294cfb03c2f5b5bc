// Switching the process-wide ruleset, and re-validating the truckload's
// items against it: every item is written and read back through its record,
// which re-binds it to its PID's row in the new ruleset; items that the new
// ruleset cannot represent are removed.
#include "dravlen.h"

#include "compute/load_inspection.h"
#include "refdata/rulesets.h"

#include <vector>

using namespace dravlen;

namespace {

// Re-binds the item through its version 7 record; false when it cannot be
// read back.
bool Rebind(Hazmat *item)
{
    std::vector<uint8_t> record(GetSerialSize_Hazmat(item, GetLatestSerialHazmatVersion()));
    Serialize_Hazmat(item, record.data());
    return Unserialize_Hazmat(item, record.data(), GetLatestSerialHazmatVersion()) != 0;
}

} // namespace

extern "C" {

DRAVLEN_API int SetRuleset_Engine(Engine *engine, int index)
{
    if (!IsRulesetActive(index))
        return 0;
    SetCurrentRuleset(index);
    Load *load = &engine->load;
    const uint32_t before = load->itemCount;
    for (uint32_t i = 0; i < load->itemCount;) {
        Hazmat *item = &load->items[i];
        // An item whose record cannot be read back is removed too: keeping
        // it would leave an item bound to the previous ruleset's row.
        if (ActiveInRuleset_Hazmat(item, index) && HasPID_HazData(item->pid) && Rebind(item))
            ++i;
        else
            Remove_Load(load, i);
    }
    // Reading an item back drops its question list; rebuild the shipping
    // paper questions (their answers come back from the dictionaries).
    if (before > 0)
        RebuildLoadQuestions(load, 1);
    return 1;
}

// Asks without switching: the current ruleset is always restored, even
// when the clock has retired it meanwhile, so that a question never changes
// the ruleset.
DRAVLEN_API int TestRulesetConversion_Engine(Engine *engine, int index)
{
    if (!IsRulesetActive(index))
        return 0;
    const int previous = CurrentRuleset();
    SetCurrentRuleset(index);
    int answer = 1;
    const Load *load = &engine->load;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        if (!ActiveInRuleset_Hazmat(&load->items[i], index)) {
            answer = 0;
            break;
        }
    }
    SetCurrentRuleset(previous);
    return answer;
}

} // extern "C"
