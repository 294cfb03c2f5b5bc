// The program's HazmatLibrary: the exported functions of libdravlen.
#pragma once

#include "app/hazmat_library.h"

struct Engine;
struct Load;

namespace velmora {

class DravlenLibrary : public HazmatLibrary {
public:
    DravlenLibrary();
    ~DravlenLibrary() override;
    DravlenLibrary(const DravlenLibrary &) = delete;
    DravlenLibrary &operator=(const DravlenLibrary &) = delete;

    void initEngine() override;
    void destroyEngine() override;
    void setDangerousFirst(bool on) override;
    void setBulkPlacards(bool on) override;
    void setPlacardAllHazmats(bool on) override;

    int numActiveRulesets() override;
    int activeRuleset(int n) override;
    std::optional<std::string> rulesetStatus(int index) override;
    std::optional<std::string> rulesetDocket(int index) override;
    int currentRuleset() override;
    bool setRuleset(int index) override;
    bool testRulesetConversion(int index) override;

    int search(const std::string &text, int mode, int afterPid) override;
    std::optional<SearchRow> rowForPid(int pid) override;
    std::optional<std::string> idInfo(const std::string &id) override;

    int numVehicles() override;
    std::string vehicleName(int code) override;
    void setVehicle(const std::string &name) override;
    void set8820Criteria(bool on) override;
    void setDODShipment(bool on) override;
    unsigned itemCount() override;
    std::string truckloadName() override;

    Engine *engine() { return engine_; }

private:
    Load *load();

    Engine *engine_ = nullptr;   // storage of GetSizeOf_Engine bytes, ours
    bool initialised_ = false;
};

} // namespace velmora
