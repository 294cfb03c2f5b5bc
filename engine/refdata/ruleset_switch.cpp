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

// Days from 1970-01-01 to a civil date of the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

bool IsCalendarDay(int year, int month, int day)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1970 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Makes index current and re-validates the truckload's items against it.
void SwitchRuleset(Engine *engine, int index)
{
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
}

} // namespace

extern "C" {

DRAVLEN_API int SetRuleset_Engine(Engine *engine, int index)
{
    if (!IsRulesetActive(index))
        return 0;
    SwitchRuleset(engine, index);
    return 1;
}

// A ruleset is in force from its compliance date, when it becomes
// mandatory: on a day, the latest one mandatory at some moment of it.
DRAVLEN_API int GetRulesetInForce_HazData(int year, int month, int day)
{
    if (!IsCalendarDay(year, month, day))
        return -1;
    constexpr Stamp kSecondsPerDay = 86400;
    const Stamp nextDay = (DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + 1) *
                          kSecondsPerDay;
    int result = -1;
    for (int i = 0; i < kRulesetCount; ++i) {
        const Ruleset *r = GetRuleset(i);
        if (r != nullptr && r->compliance < nextDay)
            result = i;
    }
    return result;
}

DRAVLEN_API int SetRulesetInForce_Engine(Engine *engine, int year, int month, int day)
{
    const int index = GetRulesetInForce_HazData(year, month, day);
    if (engine == nullptr || index < 0)
        return -1;
    SwitchRuleset(engine, index);
    return index;
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
