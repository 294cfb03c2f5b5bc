#include "app/dravlen_library.h"
#include "frontend/holders.h"

#include "dravlen.h"
#include "search/search_listing.h"

#include <cstdlib>
#include <cstring>

namespace velmora {

namespace {

std::string text(const char *s) { return s ? std::string(s) : std::string(); }

} // namespace

DravlenLibrary::DravlenLibrary()
{
    engine_ = static_cast<Engine *>(std::calloc(1, static_cast<size_t>(GetSizeOf_Engine())));
}

DravlenLibrary::~DravlenLibrary()
{
    destroyEngine();
    std::free(engine_);
}

Load *DravlenLibrary::load() { return GetLoad_Engine(engine_); }

void DravlenLibrary::initEngine()
{
    if (!initialised_) {
        Init_Engine(engine_);
        initialised_ = true;
    }
}

void DravlenLibrary::destroyEngine()
{
    if (initialised_) {
        Destroy_Engine(engine_);
        initialised_ = false;
    }
}

void DravlenLibrary::setDangerousFirst(bool on) { ShowDangerousOptionFirst_Engine(engine_, on ? -1 : 0); }
void DravlenLibrary::setBulkPlacards(bool on) { SetBulkPlacards_Engine(engine_, on ? -1 : 0); }
void DravlenLibrary::setPlacardAllHazmats(bool on) { SetPlacardAllHazmats_Engine(engine_, on ? -1 : 0); }

int DravlenLibrary::numActiveRulesets() { return GetNumActiveRulesets_HazData(); }
int DravlenLibrary::activeRuleset(int n) { return GetActiveRuleset_HazData(n); }

std::optional<std::string> DravlenLibrary::rulesetStatus(int index)
{
    const char *s = GetStatus_Ruleset(index);
    return s ? std::optional<std::string>(s) : std::nullopt;
}

std::optional<std::string> DravlenLibrary::rulesetDocket(int index)
{
    const char *s = GetDocket_Ruleset(index);
    return s ? std::optional<std::string>(s) : std::nullopt;
}

int DravlenLibrary::currentRuleset() { return GetRuleset_Engine(engine_); }

bool DravlenLibrary::setRuleset(int index)
{
    return SetRuleset_Engine(engine_, index) != 0;
}

bool DravlenLibrary::testRulesetConversion(int index)
{
    return TestRulesetConversion_Engine(engine_, index) != 0;
}

int DravlenLibrary::search(const std::string &query, int mode, int afterPid)
{
    return SearchCT_HazData(query.c_str(), mode, afterPid);
}

std::optional<SearchRow> DravlenLibrary::rowForPid(int pid)
{
    const CTRec *row = GetCTRec_HazData(pid);
    if (!row)
        return std::nullopt;
    frontend::ItemHolder scratch(GetPID_CTRec(row));
    if (!scratch.bound())
        return std::nullopt;
    Hazmat *item = scratch.get();
    SearchRow r;
    r.pid = GetPID_Hazmat(item);
    r.psn = text(GetPSN_Hazmat(item));
    std::vector<std::string> codes;
    const int n = GetNumHazDivs_Hazmat(item);
    for (int i = 0; i < n; ++i)
        codes.push_back(text(GetHazDivString_Hazmat(item, i)));
    r.hazardClass = classText(codes);
    r.id = text(GetID_Hazmat(item));
    r.packingGroups = text(GetPackingGroups_Hazmat(item));
    r.hazardZones = text(GetHazardZones_Hazmat(item));
    return r;
}

std::optional<std::string> DravlenLibrary::idInfo(const std::string &id)
{
    char *info = GetIDInfo_HazData(id.c_str());
    if (!info)
        return std::nullopt;
    std::string s(info);
    qv_free(info);
    return s;
}

int DravlenLibrary::numVehicles() { return GetNumVehicles(); }
std::string DravlenLibrary::vehicleName(int code) { return text(GetVehicleName(code)); }
void DravlenLibrary::setVehicle(const std::string &name) { SetVehicle_Load(load(), name.c_str()); }
void DravlenLibrary::set8820Criteria(bool on) { Set8820Criteria_Load(load(), on ? -1 : 0); }
void DravlenLibrary::setDODShipment(bool on) { SetDODShipment_Load(load(), on ? -1 : 0); }
unsigned DravlenLibrary::itemCount() { return GetItemCount_Load(load()); }
std::string DravlenLibrary::truckloadName() { return text(GetName_Load(load())); }

} // namespace velmora
