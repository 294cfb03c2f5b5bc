// Builds a truckload from a compact description and reads the placarding
// result back through the public interface, as short texts:
//   placards  "3", "2.3", "6.1A", "1.1D", "DANGEROUS", "3#1203" (# = the ID
//             number shown on the placard);
//   markings  "type:number", e.g. "3:1203" (orange panel), "11:3257" (HOT),
//             "4:0" (Fuel Oil).
#pragma once

#include "dravlen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace placarding_test {

enum ItemFlag : unsigned {
    kBulk = 1,
    kLimitedQuantity = 2,
    kMarinePollutant = 4,
    kCombustible = 8,     // reclassified as a combustible liquid
    kLsaPlacard = 16,
    kNonOdorized = 32,
    kResidue = 64,        // only the residue of the material remains
};

struct ItemRow {
    int pid;
    int slot = -1;          // packing-group slot; -1 keeps the binding's choice
    uint32_t pounds = 0;
    unsigned flags = 0;
    std::vector<unsigned> exemptions = {};
    char radiation = 0;     // 'N', '1', '2', '3', 'H'; 0 leaves it
    uint32_t transportIndex = 0; // tenths
    double netExplosiveKg = 0;   // net explosive mass given for the item; 0: absent
};

struct Switches {
    bool dangerousFirst = false;
    bool bulkPlacards = true;
    bool placardAll = false;
    bool criteria8820 = false;
    const char *vehicle = nullptr; // null keeps "Unknown"
};

struct OptionText {
    std::vector<std::string> placards;
    std::vector<std::string> markings;
    bool operator==(const OptionText &) const = default;
};

inline void PrintTo(const OptionText &o, std::ostream *os)
{
    *os << "{";
    for (const auto &p : o.placards)
        *os << p << " ";
    *os << "|";
    for (const auto &m : o.markings)
        *os << " " << m;
    *os << "}";
}

inline std::string PlacardText(const Placard *p)
{
    const char letter = GetRawCompatGroup_Placard(p);
    if (GetClass_Placard(p) == 0 && letter == 'D')
        return "DANGEROUS";
    std::string text = std::to_string(GetClass_Placard(p));
    if (GetDivision_Placard(p))
        text += "." + std::to_string(GetDivision_Placard(p));
    if (letter)
        text += letter;
    if (IsBulk_Placard(p))
        text += "#" + std::to_string(GetIDNo_Placard(p));
    return text;
}

// An engine with its own truckload; destroyed with the fixture.
class Truckload {
public:
    Truckload() { Init_Engine(&engine_); }
    ~Truckload() { Destroy_Engine(&engine_); }
    Truckload(const Truckload &) = delete;
    Truckload &operator=(const Truckload &) = delete;

    Engine *engine() { return &engine_; }
    Load *load() { return GetLoad_Engine(&engine_); }

    // Adds one item; the setters are checked so that a refused qualifier
    // shows as a failed set-up, not as a placarding result.
    void Add(const ItemRow &row)
    {
        Hazmat item;
        ASSERT_EQ(Init_Hazmat(&item, row.pid), 1) << "PID " << row.pid;
        if (row.slot >= 0) {
            ASSERT_EQ(SetPackingGroup_Hazmat(&item, row.slot), 1) << "PID " << row.pid;
        }
        SetWeightUnit_Hazmat(&item, 0);
        SetWeight_Hazmat(&item, row.pounds);
        if (row.flags & kBulk) {
            SetBulkPackaging_Hazmat(&item, 1);
            ASSERT_TRUE(IsBulkPackaging_Hazmat(&item)) << "PID " << row.pid << " bulk";
        }
        if (row.flags & kLimitedQuantity) {
            SetLimitedQuantity_Hazmat(&item, 1);
            ASSERT_TRUE(IsLimitedQuantity_Hazmat(&item));
        }
        if (row.flags & kMarinePollutant)
            SetMarinePollutant_Hazmat(&item, 1);
        if (row.flags & kCombustible) {
            ASSERT_EQ(ReclassifyToCombustible_Hazmat(&item, 1), 1) << "PID " << row.pid << " COMB";
        }
        if (row.flags & kLsaPlacard) {
            SetLSA_Hazmat(&item, 1);
            ASSERT_TRUE(GetLSA_Hazmat(&item));
        }
        if (row.flags & kNonOdorized)
            SetNonOdorizedLPG_Hazmat(&item, 1);
        if (row.flags & kResidue) {
            SetResidue_Hazmat(&item, 1);
            ASSERT_TRUE(IsResidue_Hazmat(&item));
        }
        for (unsigned n : row.exemptions) {
            SetExemption_Hazmat(&item, n, 1);
            ASSERT_TRUE(HasExemption_Hazmat(&item, n)) << "PID " << row.pid << " exemption " << n;
        }
        if (row.radiation) {
            SetRadiationClassification_Hazmat(&item, row.radiation);
            ASSERT_EQ(GetRadiationClassification_Hazmat(&item), row.radiation);
        }
        SetTransportIndex_Hazmat(&item, row.transportIndex);
        if (row.netExplosiveKg > 0) {
            ASSERT_EQ(SetNetExplosiveMass_Hazmat(&item, row.netExplosiveKg, 1), 1) << "PID " << row.pid;
        }
        Add_Load(load(), &item);
        Reset_Hazmat(&item, 0);
    }

    void Apply(const Switches &s)
    {
        ShowDangerousOptionFirst_Engine(&engine_, s.dangerousFirst ? -1 : 0);
        SetBulkPlacards_Engine(&engine_, s.bulkPlacards ? -1 : 0);
        SetPlacardAllHazmats_Engine(&engine_, s.placardAll ? -1 : 0);
        Set8820Criteria_Load(load(), s.criteria8820 ? -1 : 0);
        if (s.vehicle) {
            ASSERT_EQ(SetVehicle_Load(load(), s.vehicle), 1) << s.vehicle;
        }
    }

    std::vector<OptionText> Options()
    {
        std::vector<OptionText> options;
        const int n = GetNumOutputs_Engine(&engine_);
        for (int i = 0; i < n; ++i) {
            Output *out = GetOutput_Engine(&engine_, i);
            OptionText option;
            for (Placard *p = GetFirstPlacardPointer_Output(out); p; p = GetNextPlacardPointer_Output(out))
                option.placards.push_back(PlacardText(p));
            for (Marking *m = GetFirstMarkingPointer_Output(out); m; m = GetNextMarkingPointer_Output(out))
                option.markings.push_back(std::to_string(GetType_Marking(m)) + ":"
                                          + std::to_string(GetIDNo_Marking(m)));
            options.push_back(option);
        }
        return options;
    }

    // The messages as (code, PID of the first item), in list order.
    std::vector<std::pair<int, int>> Messages()
    {
        std::vector<std::pair<int, int>> messages;
        Output *out = GetOutput_Engine(&engine_, 0);
        if (!out)
            return messages;
        HazSeg seg;
        for (int more = GetFirstSegregation_Output(out, &seg); more; more = GetNextSegregation_Output(out, &seg))
            messages.emplace_back(GetMsg_HazSeg(&seg), GetPID1_HazSeg(&seg));
        return messages;
    }

    int CountMessages(int code)
    {
        int n = 0;
        for (const auto &m : Messages())
            n += m.first == code;
        return n;
    }

private:
    Engine engine_;
};

} // namespace placarding_test
