#include "check/truckload_reader.h"

#include "check/entry_lookup.h"
#include "frontend/entries.h"
#include "frontend/holders.h"
#include "frontend/quantity_facts.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

namespace velmora::check {

namespace {

using nlohmann::json;

class Reader {
public:
    Reader(Engine *engine, std::string source) : engine_(engine), load_(GetLoad_Engine(engine)), source_(std::move(source)) {}

    void Read(const std::string &text)
    {
        json doc;
        try {
            doc = json::parse(text, RefuseDuplicateKeys());
        } catch (const json::exception &e) {
            // parse_error, and out_of_range for a number beyond double range.
            throw InputError(source_ + ": malformed JSON: " + e.what());
        }
        if (!doc.is_object())
            throw InputError(source_ + ": a truckload must be a JSON object");
        static const std::set<std::string> kLoadFields = {"name", "vehicle", "criteria_8820", "dod", "items"};
        for (auto it = doc.begin(); it != doc.end(); ++it)
            if (!kLoadFields.count(it.key()))
                throw InputError(source_ + ": unknown field \"" + it.key() + "\"");

        if (doc.contains("name")) {
            name_ = String(doc, "name", "");
            SetName_Load(load_, name_.c_str());
        }
        if (!doc.contains("items") || !doc["items"].is_array())
            throw InputError(source_ + ": field \"items\": expected an array of items");
        const json &items = doc["items"];
        for (size_t i = 0; i < items.size(); ++i)
            ReadItem(items[i], i);

        if (doc.contains("vehicle")) {
            const std::string vehicle = String(doc, "vehicle", "");
            if (!SetVehicle_Load(load_, vehicle.c_str()))
                throw InputError(source_ + ": field \"vehicle\": \"" + vehicle +
                                 "\" is not a vehicle type (for example \"Unit Load\", \"MC/TC 306\", \"DOT/TC 406\")");
        }
        if (Bool(doc, "dod", ""))
            SetDODShipment_Load(load_, -1);
        if (Bool(doc, "criteria_8820", "")) {
            // 172.301(a)(3) and 172.504(c): the declaration applies only to one
            // material in non-bulk packages of 8,820 lb or more.
            if (!Is8820Allowed_Load(load_))
                throw InputError(source_ + ": field \"criteria_8820\": the truckload does not qualify "
                                 "(8,820 lb or more of one material in non-bulk packages)");
            Set8820Criteria_Load(load_, -1);
        }
    }

    // The truckload's name as the JSON gave it (UTF-8).
    const std::string &Name() const { return name_; }

private:
    // A parse callback that refuses an object holding a key twice: with
    // duplicates the last would silently win (a second, empty "items"
    // would check as "no placards").  One set of keys per open object.
    class RefuseDuplicateKeys {
    public:
        bool operator()(int depth, json::parse_event_t event, json &parsed)
        {
            switch (event) {
            case json::parse_event_t::object_start:
                keys_->emplace_back();
                break;
            case json::parse_event_t::key:
                if (!keys_->back().insert(parsed.get<std::string>()).second)
                    throw InputError("duplicate key \"" + parsed.get<std::string>() + "\" (at depth " +
                                     std::to_string(depth) + ")");
                break;
            case json::parse_event_t::object_end:
                keys_->pop_back();
                break;
            default:
                break;
            }
            return true;
        }

    private:
        // Shared: the parser copies its callback.
        std::shared_ptr<std::vector<std::set<std::string>>> keys_ = std::make_shared<std::vector<std::set<std::string>>>();
    };

    // A whole number within [low, high], checked on the parsed 64-bit value
    // before any narrowing: 4294967927 is refused, never read as 631.
    static std::optional<int> WholeNumber(const json &v, long long low, long long high)
    {
        long long n = 0;
        if (v.is_number_unsigned()) {
            const auto u = v.get<unsigned long long>();
            if (u > static_cast<unsigned long long>(high))
                return std::nullopt;
            n = static_cast<long long>(u);
        } else if (v.is_number_integer()) {
            n = v.get<long long>();
        } else {
            return std::nullopt;
        }
        if (n < low || n > high)
            return std::nullopt;
        return static_cast<int>(n);
    }

    std::string Where(size_t index, const std::string &id) const
    {
        std::ostringstream s;
        s << source_ << ": item " << index + 1;
        if (!id.empty())
            s << " (" << id << ")";
        return s.str();
    }

    [[noreturn]] void Fail(const std::string &where, const std::string &field, const std::string &what) const
    {
        throw InputError(where + ": field \"" + field + "\": " + what);
    }

    std::string String(const json &obj, const char *field, const std::string &where) const
    {
        const json &v = obj.at(field);
        if (!v.is_string())
            throw InputError((where.empty() ? source_ : where) + ": field \"" + field + "\": expected a text");
        return v.get<std::string>();
    }

    bool Bool(const json &obj, const char *field, const std::string &where) const
    {
        if (!obj.contains(field))
            return false;
        const json &v = obj.at(field);
        if (!v.is_boolean())
            throw InputError((where.empty() ? source_ : where) + ": field \"" + field + "\": expected true or false");
        return v.get<bool>();
    }

    double Number(const json &obj, const char *field, const std::string &where) const
    {
        const json &v = obj.at(field);
        if (!v.is_number())
            Fail(where, field, "expected a number");
        return v.get<double>();
    }

    int ChoosePid(const json &obj, size_t index, std::string &id)
    {
        const std::string where = Where(index, "");
        if (obj.contains("pid")) {
            const json &v = obj.at("pid");
            if (!v.is_number_integer())
                Fail(where, "pid", "expected a whole number");
            const std::optional<int> number = WholeNumber(v, 1, kLargestPid);
            if (!number)
                Fail(where, "pid", v.dump() + " is not a PID (1 to " + std::to_string(kLargestPid) + ")");
            const int pid = *number;
            if (!HasPID_HazData(pid))
                Fail(where, "pid", std::to_string(pid) + " has no entry in the current ruleset");
            id = GetElement_CTRec(GetCTRec_HazData(pid), -1, 3, 0);
            return pid;
        }
        if (!obj.contains("id"))
            throw InputError(where + ": field \"id\" (or \"pid\") is required");
        const std::string text = String(obj, "id", where);
        const std::vector<std::string> candidates = frontend::idCandidates(text);
        if (candidates.empty())
            Fail(where, "id", "\"" + text + "\" is not an ID number (UN, NA or ID and four digits)");
        std::vector<int> pids;
        for (const std::string &c : candidates) {
            pids = frontend::entriesOfId(c);
            if (!pids.empty()) {
                id = c;
                break;
            }
        }
        if (pids.empty()) {
            std::string why;
            if (char *info = GetIDInfo_HazData(text.size() == 4 ? text.c_str() : candidates[0].c_str())) {
                why = info;
                qv_free(info);
            }
            Fail(where, "id", "\"" + text + "\" is not in the current ruleset" + (why.empty() ? "" : ": " + why));
        }
        if (obj.contains("name")) {
            const std::string name = String(obj, "name", Where(index, id));
            std::vector<int> named;
            for (int pid : pids) {
                const CTRec *row = GetCTRec_HazData(pid);
                if (Query_CTRec(row, -1, 14, name.c_str()) || Query_CTRec(row, -1, 1, name.c_str()))
                    named.push_back(pid);
            }
            if (named.empty())
                Fail(Where(index, id), "name", "no entry of " + id + " is named \"" + name + "\"" + Candidates(pids));
            pids = named;
        }
        if (pids.size() > 1)
            Fail(Where(index, id), "id", id + " has several entries; add \"name\" or \"pid\" to choose one" + Candidates(pids));
        return pids.front();
    }

    static std::string Candidates(const std::vector<int> &pids)
    {
        std::string s = ":";
        for (int pid : pids) {
            const CTRec *row = GetCTRec_HazData(pid);
            s += "\n    pid " + std::to_string(pid) + ": " + GetElement_CTRec(row, -1, 1, 0) + " (class " +
                 GetElement_CTRec(row, -1, 2, 0) + ")";
        }
        return s;
    }

    // Sets a yes/no qualifier through its setter and reads it back: a value
    // the entry does not allow is refused by the engine's own rules.
    template <typename Set, typename Get>
    void Qualifier(const json &obj, const char *field, const std::string &where, Hazmat *item, Set set, Get get)
    {
        if (!obj.contains(field))
            return;
        const bool want = Bool(obj, field, where);
        set(item, want ? -1 : 0);
        if ((get(item) != 0) != want)
            Fail(where, field, want ? "not allowed for this entry with the other qualifiers given"
                                    : "cannot be turned off for this entry");
    }

    void ReadItem(const json &obj, size_t index)
    {
        if (!obj.is_object())
            throw InputError(Where(index, "") + ": an item must be a JSON object");
        static const std::set<std::string> kItemFields = {
            "id", "pid", "name", "packing_group", "weight", "unit", "bulk", "limited_quantity",
            "excepted_quantity", "hazardous_substance", "hazardous_waste", "marine_pollutant",
            "severe_marine_pollutant", "residue", "elevated_temperature", "combustible", "non_odorized_lpg",
            "hazard_zone", "physical_state", "radiation", "transport_index", "csi", "lsa_placard",
            "sco_placard", "exemptions", "net_explosive_mass", "package_capacity_l", "bulk_capacity_gal"};
        for (auto it = obj.begin(); it != obj.end(); ++it)
            if (!kItemFields.count(it.key()))
                throw InputError(Where(index, "") + ": unknown field \"" + it.key() + "\"");

        std::string id;
        const int pid = ChoosePid(obj, index, id);
        const std::string where = Where(index, id);
        frontend::ItemHolder scratch;
        Hazmat *item = scratch.get();
        if (!Reset_Hazmat(item, pid))
            Fail(where, "id", "the entry cannot be bound in the current ruleset");

        if (obj.contains("packing_group")) {
            const std::string pg = obj.at("packing_group").is_null() ? "" : String(obj, "packing_group", where);
            const int slot = SlotOfPackingGroup(pg);
            if (slot < 0)
                Fail(where, "packing_group", "\"" + pg + "\" is not a packing group (I, II, III or \"\")");
            if (!SetPackingGroup_Hazmat(item, slot))
                Fail(where, "packing_group", "the entry has no packing group \"" + pg + "\" (it has: " +
                     std::string(GetPackingGroups_Hazmat(item)) + ")");
        }
        if (GetPackingGroup_Hazmat(item) < 0)
            Fail(where, "packing_group", std::string("required: the entry has packing groups ") +
                 GetPackingGroups_Hazmat(item));

        if (obj.contains("unit")) {
            const std::string unit = String(obj, "unit", where);
            if (unit != "lb" && unit != "kg")
                Fail(where, "unit", "\"" + unit + "\" is not a unit (lb or kg)");
            SetWeightUnit_Hazmat(item, unit == "kg" ? 1 : 0);
        }
        if (!obj.contains("weight"))
            throw InputError(where + ": field \"weight\" is required");
        const double w = Number(obj, "weight", where);
        if (w < 0 || std::floor(w) != w)
            Fail(where, "weight", "expected a whole number of pounds or kilograms, not negative");
        const double pounds = GetWeightUnit_Hazmat(item) == 1 ? w * 2.205 : w;
        if (pounds > kMaxItemPounds)
            Fail(where, "weight", "more than a truck can carry; check the number and the unit");
        SetWeight_Hazmat(item, static_cast<unsigned>(w));

        Qualifier(obj, "bulk", where, item, SetBulkPackaging_Hazmat, IsBulkPackaging_Hazmat);
        Qualifier(obj, "limited_quantity", where, item, SetLimitedQuantity_Hazmat, IsLimitedQuantity_Hazmat);
        Qualifier(obj, "excepted_quantity", where, item, SetExceptedQuantity_Hazmat, IsExceptedQuantity_Hazmat);

        if (obj.contains("hazard_zone")) {
            const json &v = obj.at("hazard_zone");
            char zone = 0;
            if (!v.is_null()) {
                const std::string z = String(obj, "hazard_zone", where);
                if (z.size() != 1 || z[0] < 'A' || z[0] > 'D')
                    Fail(where, "hazard_zone", "\"" + z + "\" is not a hazard zone (A, B, C, D or null)");
                zone = z[0];
            }
            if (!IsHazardZoneAllowed_Hazmat(item, zone))
                Fail(where, "hazard_zone", zone ? std::string("zone ") + zone + " is not allowed for this entry"
                                                 : std::string("this entry needs a hazard zone"));
            SetHazardZone_Hazmat(item, zone);
        }
        if (GetHazardZone_Hazmat(item) == '?')
            Fail(where, "hazard_zone", std::string("required: ") + GetHazardZones_Hazmat(item));

        if (obj.contains("physical_state")) {
            const std::string s = String(obj, "physical_state", where);
            if (s.size() != 1 || std::string("GLNS").find(s[0]) == std::string::npos)
                Fail(where, "physical_state", "\"" + s + "\" is not a physical state (G, L, N or S)");
            if (FixedPhysicalState_Hazmat(item)) {
                const char fixed = GetPhysicalState_Hazmat(item);
                if (fixed != s[0] && !(s[0] == 'N' && fixed != 'L'))
                    Fail(where, "physical_state", std::string("the entry fixes the state as ") + fixed);
            } else {
                SetPhysicalState_Hazmat(item, s[0]);
            }
        }

        Qualifier(obj, "elevated_temperature", where, item, SetElevatedTemperature_Hazmat, IsElevatedTemperature_Hazmat);
        Qualifier(obj, "combustible", where, item, ReclassifyToCombustible_Hazmat, ReclassedToCombustible_Hazmat);
        Qualifier(obj, "hazardous_substance", where, item, SetHazardousSubstance_Hazmat, IsHazardousSubstance_Hazmat);
        Qualifier(obj, "hazardous_waste", where, item, SetHazardousWaste_Hazmat, IsHazardousWaste_Hazmat);
        if (Bool(obj, "severe_marine_pollutant", where))
            SetSevereMarinePollutant_Hazmat(item, -1);
        else
            Qualifier(obj, "marine_pollutant", where, item, SetMarinePollutant_Hazmat, IsMarinePollutant_Hazmat);
        Qualifier(obj, "residue", where, item, SetResidue_Hazmat, IsResidue_Hazmat);
        if (Bool(obj, "non_odorized_lpg", where)) {
            if (!IsLPG_Hazmat(item))
                Fail(where, "non_odorized_lpg", "only for liquefied petroleum gas entries");
            SetNonOdorizedLPG_Hazmat(item, -1);
        }
        if (obj.contains("radiation")) {
            const std::string r = String(obj, "radiation", where);
            if (r.size() != 1 || std::string("N123H").find(r[0]) == std::string::npos)
                Fail(where, "radiation", "\"" + r + "\" is not a radiation classification (N, 1, 2, 3, H)");
            if (r[0] == 'H' && !IsHRCQAllowed_Hazmat(item))
                Fail(where, "radiation", "highway route controlled quantity is not possible for this entry");
            if (r[0] == '3' && !IsYellowIIIPossible_Hazmat(item))
                Fail(where, "radiation", "a Yellow-III label is not possible for this entry");
            SetRadiationClassification_Hazmat(item, r[0]);
        }
        if (obj.contains("transport_index"))
            SetTransportIndex_Hazmat(item, Tenths(obj, "transport_index", where));
        if (obj.contains("csi")) {
            const unsigned csi = Tenths(obj, "csi", where);
            if (csi != 0 && !NeedsCSI_Hazmat(item))
                Fail(where, "csi", "a criticality safety index applies only to fissile entries");
            SetCSI_Hazmat(item, csi);
        }
        Qualifier(obj, "lsa_placard", where, item, SetLSA_Hazmat, GetLSA_Hazmat);
        Qualifier(obj, "sco_placard", where, item, SetSCO_Hazmat, GetSCO_Hazmat);

        if (obj.contains("exemptions")) {
            const json &list = obj.at("exemptions");
            if (!list.is_array())
                Fail(where, "exemptions", "expected an array of exemption numbers");
            for (const json &n : list) {
                const std::optional<int> number = WholeNumber(n, 1, 34);
                if (!number)
                    Fail(where, "exemptions", "exemption numbers run from 1 to 34, not " + n.dump());
                const int e = *number;
                if (!IsExemptionAllowed_Hazmat(item, e))
                    Fail(where, "exemptions", "exemption " + std::to_string(e) + " is not allowed for this entry");
                SetExemption_Hazmat(item, e, -1);
            }
        }
        QuantityFacts(obj, where, item);
        Add_Load(load_, item);
    }

    // 49 CFR 385.403 turns on quantities the gross weight does not tell:
    // net explosive mass ((b)), the largest package ((c)) and the bulk
    // packaging's capacity ((e), (f)).
    void QuantityFacts(const json &obj, const std::string &where, Hazmat *item) const
    {
        if (obj.contains("net_explosive_mass")) {
            const double mass = Number(obj, "net_explosive_mass", where);
            if (const std::string why = frontend::netExplosiveMassProblem(item, mass); !why.empty())
                Fail(where, "net_explosive_mass", why);
            SetNetExplosiveMass_Hazmat(item, mass, GetWeightUnit_Hazmat(item));
        }
        if (obj.contains("package_capacity_l")) {
            const double litres = Number(obj, "package_capacity_l", where);
            if (const std::string why = frontend::packageCapacityProblem(item, litres); !why.empty())
                Fail(where, "package_capacity_l", why);
            SetPackageCapacity_Hazmat(item, litres);
        }
        if (obj.contains("bulk_capacity_gal")) {
            const double gallons = Number(obj, "bulk_capacity_gal", where);
            if (const std::string why = frontend::bulkCapacityProblem(item, gallons); !why.empty())
                Fail(where, "bulk_capacity_gal", why);
            SetBulkCapacity_Hazmat(item, gallons);
        }
    }

    // Transport index and CSI are entered with one decimal and kept in
    // tenths, capped at 999.9 as in the item dialog.
    unsigned Tenths(const json &obj, const char *field, const std::string &where) const
    {
        const double v = Number(obj, field, where);
        if (v < 0 || v > 999.9)
            Fail(where, field, "expected a value from 0 to 999.9");
        return static_cast<unsigned>(std::lround(v * 10));
    }

    // PIDs name the entries of the table across rulesets: 1 to 2607.
    static constexpr long long kLargestPid = 2607;

    Engine *engine_;
    Load *load_;
    std::string source_;
    std::string name_;
};

} // namespace

std::string ReadTruckloadJson(Engine *engine, const std::string &json, const std::string &source)
{
    Reader reader(engine, source);
    try {
        reader.Read(json);
    } catch (const InputError &e) {
        const std::string what = e.what();
        // The parse callback does not know the source.
        if (what.rfind(source + ": ", 0) != 0)
            throw InputError(source + ": " + what);
        throw;
    }
    return reader.Name();
}

} // namespace velmora::check
