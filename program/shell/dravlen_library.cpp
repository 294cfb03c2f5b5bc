#include "shell/dravlen_library.h"

#include "dravlen.h"
#include "shell/search_listing.h"

#include <cstdlib>
#include <cstring>

// Functions of the library families that are still being added (the
// Hazardous Materials Table search, the item texts, the vehicle table and
// the ruleset switch).  They are referenced weakly so the program starts
// against a library that does not export them yet; each use below checks
// that the function is present.  Once dravlen.h declares them, these lines
// are redundant and must match its declarations exactly.
extern "C" {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wredundant-decls"
DRAVLEN_API int SetRuleset_Engine(Engine *engine, int index) __attribute__((weak));
DRAVLEN_API int TestRulesetConversion_Engine(Engine *engine, int index) __attribute__((weak));
DRAVLEN_API int SearchCT_HazData(const char *text, int mode, int afterPid) __attribute__((weak));
DRAVLEN_API char *GetIDInfo_HazData(const char *idText) __attribute__((weak));
DRAVLEN_API int GetPID_CTRec(const CTRec *row) __attribute__((weak));
DRAVLEN_API const char *GetID_Hazmat(const Hazmat *item) __attribute__((weak));
DRAVLEN_API const char *GetPSN_Hazmat(const Hazmat *item) __attribute__((weak));
DRAVLEN_API int GetNumHazDivs_Hazmat(const Hazmat *item) __attribute__((weak));
DRAVLEN_API const char *GetHazDivString_Hazmat(const Hazmat *item, int i) __attribute__((weak));
DRAVLEN_API const char *GetPackingGroups_Hazmat(const Hazmat *item) __attribute__((weak));
DRAVLEN_API const char *GetHazardZones_Hazmat(const Hazmat *item) __attribute__((weak));
DRAVLEN_API int GetNumVehicles(void) __attribute__((weak));
DRAVLEN_API const char *GetVehicleName(int code) __attribute__((weak));
#pragma GCC diagnostic pop
}

namespace velmora {

namespace {

std::string text(const char *s) { return s ? std::string(s) : std::string(); }

// A scratch item in the 256 bytes the program reserves per item.
class ScratchItem {
public:
    explicit ScratchItem(int pid) { bound_ = Init_Hazmat(item(), pid) != 0; }
    ~ScratchItem() { Reset_Hazmat(item(), 0); }
    ScratchItem(const ScratchItem &) = delete;
    ScratchItem &operator=(const ScratchItem &) = delete;
    Hazmat *item() { return reinterpret_cast<Hazmat *>(storage_); }
    bool bound() const { return bound_; }

private:
    alignas(std::max_align_t) unsigned char storage_[256];
    bool bound_ = false;
};

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
    return SetRuleset_Engine && SetRuleset_Engine(engine_, index) != 0;
}

bool DravlenLibrary::testRulesetConversion(int index)
{
    // Without the conversion test every item is assumed to be lost, so the
    // user is always asked before a switch.
    return TestRulesetConversion_Engine && TestRulesetConversion_Engine(engine_, index) != 0;
}

int DravlenLibrary::search(const std::string &query, int mode, int afterPid)
{
    return SearchCT_HazData ? SearchCT_HazData(query.c_str(), mode, afterPid) : 0;
}

std::optional<SearchRow> DravlenLibrary::rowForPid(int pid)
{
    const CTRec *row = GetCTRec_HazData(pid);
    if (!row || !GetPID_CTRec || !GetPSN_Hazmat || !GetID_Hazmat || !GetNumHazDivs_Hazmat ||
        !GetHazDivString_Hazmat || !GetPackingGroups_Hazmat || !GetHazardZones_Hazmat)
        return std::nullopt;
    ScratchItem scratch(GetPID_CTRec(row));
    if (!scratch.bound())
        return std::nullopt;
    Hazmat *item = scratch.item();
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
    if (!GetIDInfo_HazData)
        return std::nullopt;
    char *info = GetIDInfo_HazData(id.c_str());
    if (!info)
        return std::nullopt;
    std::string s(info);
    qv_free(info);
    return s;
}

int DravlenLibrary::numVehicles() { return GetNumVehicles ? GetNumVehicles() : 0; }
std::string DravlenLibrary::vehicleName(int code) { return GetVehicleName ? text(GetVehicleName(code)) : std::string(); }
void DravlenLibrary::setVehicle(const std::string &name) { SetVehicle_Load(load(), name.c_str()); }
void DravlenLibrary::set8820Criteria(bool on) { Set8820Criteria_Load(load(), on ? -1 : 0); }
void DravlenLibrary::setDODShipment(bool on) { SetDODShipment_Load(load(), on ? -1 : 0); }
unsigned DravlenLibrary::itemCount() { return GetItemCount_Load(load()); }
std::string DravlenLibrary::truckloadName() { return text(GetName_Load(load())); }

} // namespace velmora
