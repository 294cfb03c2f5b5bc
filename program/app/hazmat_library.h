// What the shell asks of the engine library, as one interface: the main
// window owns one engine through it, the tests give the window a scripted
// library.  The program's implementation (dravlen_library.cpp) calls the
// exported functions of dravlen.h and nothing else.
#pragma once

#include <optional>
#include <string>

#include <QString>

namespace velmora {

// One row of the search results: the texts of a Hazardous Materials Table
// entry bound to a scratch item.
struct SearchRow {
    int pid = 0;
    std::string psn;   // with its "<I>" markup
    std::string hazardClass;   // the item's class text
    std::string id;
    std::string packingGroups;
    std::string hazardZones;
};

class HazmatLibrary {
public:
    virtual ~HazmatLibrary() = default;

    // The main window's engine (Init_Engine / Destroy_Engine).
    virtual void initEngine() = 0;
    virtual void destroyEngine() = 0;
    virtual void setDangerousFirst(bool on) = 0;
    virtual void setBulkPlacards(bool on) = 0;
    virtual void setPlacardAllHazmats(bool on) = 0;

    // Rulesets.
    virtual int numActiveRulesets() = 0;
    virtual int activeRuleset(int n) = 0;
    virtual std::optional<std::string> rulesetStatus(int index) = 0;   // nothing for a null status
    virtual std::optional<std::string> rulesetDocket(int index) = 0;   // as the library returns it
    virtual int currentRuleset() = 0;
    virtual bool setRuleset(int index) = 0;
    virtual bool testRulesetConversion(int index) = 0;

    // The Hazardous Materials Table.
    virtual int search(const std::string &text, int mode, int afterPid) = 0;
    virtual std::optional<SearchRow> rowForPid(int pid) = 0;
    virtual std::optional<std::string> idInfo(const std::string &id) = 0;

    // Vehicles and the truckload.
    virtual int numVehicles() = 0;
    virtual std::string vehicleName(int code) = 0;
    virtual void setVehicle(const std::string &name) = 0;
    virtual void set8820Criteria(bool on) = 0;
    virtual void setDODShipment(bool on) = 0;
    virtual unsigned itemCount() = 0;
    virtual std::string truckloadName() = 0;
};

// A text returned by the engine library, which is UTF-8 like the
// program's own (QString::fromUtf8); an empty text for null, where the
// library returns no text.
QString fromLibraryText(const char *text);
inline QString fromLibraryText(const std::string &text) { return fromLibraryText(text.c_str()); }

} // namespace velmora
