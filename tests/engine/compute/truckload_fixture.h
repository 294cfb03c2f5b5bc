// A truckload built through the public interface from real Hazardous
// Materials Table entries, calculated, with its messages at hand.
#pragma once

#include "dravlen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace velmora_test {

// One item of a test truckload.  The entry is found by its ID number and,
// where the ID has several entries, its hazard class text.
struct ItemSpec {
    const char *id;
    const char *hazClass = nullptr;  // null: the first entry of the ID
    int packingGroup = -1;           // slot 1-3; -1 keeps the binding default
    char zone = 0;                   // inhalation hazard zone 'A'-'D'
    char state = 0;                  // recorded physical state ('L', 'S', 'G')
    bool bulk = false;
    uint32_t weight = 100;
    int unit = 0;                    // 0 pounds, 1 kilograms
    bool limitedQuantity = false;
};

// PID of the entry with this ID (and class) in the current ruleset, or 0.
inline int PidOf(const char *id, const char *hazClass = nullptr)
{
    const char *digits = id + 2;
    for (int pid = SearchCT_HazData(digits, 2, 0); pid != 0; pid = SearchCT_HazData(digits, 2, pid)) {
        const CTRec *row = GetCTRec_HazData(pid);
        const char *rowId = row ? GetElement_CTRec(row, -1, 3, 0) : nullptr;
        const char *rowClass = row ? GetElement_CTRec(row, -1, 2, 0) : nullptr;
        if (rowId && std::strcmp(rowId, id) == 0 &&
            (!hazClass || (rowClass && std::strcmp(rowClass, hazClass) == 0)))
            return pid;
    }
    return 0;
}

class Truckload : public ::testing::Test {
protected:
    void SetUp() override { Init_Engine(&engine); }
    void TearDown() override { Destroy_Engine(&engine); }

    Load *load() { return GetLoad_Engine(&engine); }

    // Fills a scratch item from spec (bound to its entry).
    bool Bind(Hazmat *item, const ItemSpec &s)
    {
        const int pid = PidOf(s.id, s.hazClass);
        EXPECT_NE(pid, 0) << "no entry " << s.id << " " << (s.hazClass ? s.hazClass : "");
        Init_Hazmat(item, pid);
        if (pid == 0)
            return false;
        if (s.packingGroup >= 0) {
            EXPECT_EQ(SetPackingGroup_Hazmat(item, s.packingGroup), 1) << s.id;
        }
        if (s.state)
            SetPhysicalState_Hazmat(item, s.state);
        if (s.zone) {
            SetHazardZone_Hazmat(item, s.zone);
            EXPECT_EQ(GetHazardZone_Hazmat(item), s.zone) << s.id << " zone";
        }
        if (s.bulk) {
            SetBulkPackaging_Hazmat(item, 1);
            EXPECT_EQ(IsBulkPackaging_Hazmat(item), 1) << s.id << " bulk";
        }
        if (s.limitedQuantity) {
            SetLimitedQuantity_Hazmat(item, 1);
            EXPECT_EQ(IsLimitedQuantity_Hazmat(item), 1) << s.id << " limited quantity";
        }
        SetWeightUnit_Hazmat(item, s.unit);
        SetWeight_Hazmat(item, s.weight);
        return true;
    }

    // Adds an item; returns it as held by the truckload.
    Hazmat *Add(const ItemSpec &s)
    {
        Hazmat item;
        Bind(&item, s);
        const int at = Add_Load(load(), &item);
        Reset_Hazmat(&item, 0);
        EXPECT_GE(at, 0);
        return at >= 0 ? GetHazmat_Load(load(), static_cast<uint32_t>(at)) : nullptr;
    }

    std::vector<HazSeg> Calculate()
    {
        Calculate_Engine(&engine);
        std::vector<HazSeg> all;
        Output *out = GetOutput_Engine(&engine, 0);
        HazSeg m;
        for (int ok = GetFirstSegregation_Output(out, &m); ok; ok = GetNextSegregation_Output(out, &m))
            all.push_back(m);
        return all;
    }

    // The codes of messages about two items.
    static std::multiset<int> PairCodes(const std::vector<HazSeg> &all)
    {
        std::multiset<int> codes;
        for (const HazSeg &m : all)
            if (m.pid1 != 0 && m.pid2 != 0)
                codes.insert(m.msg);
        return codes;
    }

    static std::multiset<int> Codes(const std::vector<HazSeg> &all)
    {
        std::multiset<int> codes;
        for (const HazSeg &m : all)
            codes.insert(m.msg);
        return codes;
    }

    static int Count(const std::vector<HazSeg> &all, int code)
    {
        int n = 0;
        for (const HazSeg &m : all)
            n += m.msg == code;
        return n;
    }

    int Legality() { return GetLegality_Engine(&engine); }

    Engine engine;
};

} // namespace velmora_test
