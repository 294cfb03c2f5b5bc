// Hazardous materials safety permits (49 CFR 385.403) and radioactive
// exclusive use, through real truckloads.
#include "truckload_fixture.h"

#include <ostream>
#include <vector>

namespace velmora_test {
namespace {

struct PermitItem {
    ItemSpec spec;
    char radiation = 0;  // 'H' highway route controlled quantity
};

struct PermitCase {
    const char *paragraph;
    std::vector<PermitItem> items;
    std::vector<int> codes;  // HazmatNeedsPermit_Load per item
    std::vector<const char *> texts;
    std::vector<int> messages;  // message code per item, 0 = none
};

void PrintTo(const PermitCase &c, std::ostream *os) { *os << c.paragraph; }

ItemSpec W(const char *id, uint32_t weight, int unit = 0)
{
    ItemSpec s{id};
    s.weight = weight;
    s.unit = unit;
    return s;
}

const ItemSpec ZoneB{"UN1017", nullptr, -1, 'B'};
const ItemSpec ZoneBBulk{"UN1017", nullptr, -1, 'B', 0, true};

const PermitCase kCases[] = {
    {"385.403(a) highway route controlled quantity", {{{"UN2915"}, 'H'}}, {1}, {"Yes"}, {40}},
    {"385.403(a) not a highway route controlled quantity", {{{"UN2915"}, '3'}}, {0}, {"No"}, {0}},
    // 385.403(b): "an amount of a Division 1.5 material requiring
    // placarding"; Division 1.5 is placarded in any amount (172.504(e)).
    {"385.403(b) Division 1.5 requiring placarding", {{{"UN0331"}}}, {3}, {"Yes"}, {42}},
    {"385.403(b) Division 1.5, one pound", {{W("UN0332", 1)}}, {3}, {"Yes"}, {42}},
    {"385.403(b) 1.1 and 1.3 each at or below 25 kg (55 lb)",
     {{W("UN0081", 50)}, {W("UN0161", 50)}}, {0, 0}, {"No", "No"}, {0, 0}},
    {"385.403(b) the 1.1 total passes 55 lb at the third item",
     {{W("UN0081", 50)}, {W("UN0161", 50)}, {W("UN0048", 10)}}, {0, 0, 2}, {"No", "No", "Maybe"}, {0, 0, 41}},
    {"385.403(b) only the item where a total first passes 55 lb",
     {{W("UN0081", 60)}, {W("UN0048", 10)}, {W("UN0161", 60)}}, {2, 0, 0}, {"Maybe", "No", "No"}, {41, 0, 0}},
    {"385.403(b) 25 kg is 55 lb, not more", {{W("UN0081", 25, 1)}}, {0}, {"No"}, {0}},
    {"385.403(b) 26 kg is more than 25 kg", {{W("UN0081", 26, 1)}}, {2}, {"Maybe"}, {41}},
    {"385.403(c) inhalation hazard zone A", {{{"UN1076", nullptr, -1, 'A'}}}, {4}, {"Maybe"}, {43}},
    {"385.403(c) zone A comes before the bulk rules", {{{"UN1076", nullptr, -1, 'A', 0, true}}}, {4}, {"Maybe"}, {43}},
    {"385.403(d) zone B in bulk", {{ZoneBBulk}}, {5}, {"Yes"}, {44}},
    {"385.403(d) zone B not in bulk", {{ZoneB}}, {0}, {"No"}, {0}},
    {"385.403(e) zone C in bulk", {{{"UN1079", nullptr, -1, 'C', 0, true}}}, {6}, {"Maybe"}, {45}},
    {"385.403(f) methane in bulk", {{{"UN1971", nullptr, -1, 0, 0, true}}}, {7}, {"Maybe"}, {46}},
    {"385.403(f) liquefied natural gas in bulk", {{{"UN1972", nullptr, -1, 0, 0, true}}}, {7}, {"Maybe"}, {46}},
    {"385.403(f) methane not in bulk", {{{"UN1971"}}}, {0}, {"No"}, {0}},
    {"385.403 gasoline needs no permit", {{{"UN1203", nullptr, -1, 0, 0, true}}}, {0}, {"No"}, {0}},
    // 385.403(d), (e): anhydrous ammonia shipped domestically as Division
    // 2.2 is not a material poisonous by inhalation for these paragraphs
    // (FMCSA's guidance); the international 2.3 entry is.
    {"385.403(e) domestic anhydrous ammonia in a cargo tank", {{{"UN1005", "2.2", -1, 'D', 0, true}}}, {0}, {"No"},
     {0}},
    {"385.403(e) anhydrous ammonia as Division 2.3 in bulk", {{{"UN1005", "2.3", -1, 'D', 0, true}}}, {6}, {"Maybe"},
     {45}},
};

class SafetyPermit : public Truckload, public ::testing::WithParamInterface<PermitCase> {};

TEST_P(SafetyPermit, CodeTextAndMessage)
{
    const PermitCase &c = GetParam();
    for (const PermitItem &p : c.items) {
        Hazmat *item = Add(p.spec);
        ASSERT_NE(item, nullptr);
        if (p.radiation)
            SetRadiationClassification_Hazmat(item, p.radiation);
    }
    const auto all = Calculate();
    for (uint32_t i = 0; i < c.items.size(); ++i) {
        EXPECT_EQ(HazmatNeedsPermit_Load(load(), i), c.codes[i]) << "item " << i;
        EXPECT_STREQ(HazmatPermitString_Load(load(), i), c.texts[i]) << "item " << i;
        const char *id = GetID_Hazmat(GetHazmat_Load(load(), i));
        int found = 0;
        for (const HazSeg &m : all) {
            if (m.msg >= 40 && m.msg <= 46 && std::strcmp(m.id1, id) == 0) {
                found = m.msg;
                EXPECT_EQ(m.type, (m.msg == 40 || m.msg == 42 || m.msg == 44) ? 5 : 6);
            }
        }
        EXPECT_EQ(found, c.messages[i]) << "item " << i;
    }
    // Past the last item there is no answer.
    const uint32_t n = GetItemCount_Load(load());
    EXPECT_EQ(HazmatPermitString_Load(load(), n), nullptr);
    EXPECT_EQ(HazmatNeedsPermit_Load(load(), n), 0);
}

INSTANTIATE_TEST_SUITE_P(Permits, SafetyPermit, ::testing::ValuesIn(kCases));

// 173.403 / 177.842(a): exclusive use for radioactive shipments.  Indexes
// in tenths.
struct ExclusiveCase {
    const char *paragraph;
    std::vector<uint32_t> transportIndexes;
    int exclusiveUse;
    int exclusiveUseShipment;
};

TEST_F(Truckload, ExclusiveUseByTransportIndex)
{
    const ExclusiveCase cases[] = {
        // Packages of at most 10.0 each, so only the combined index counts.
        {"177.842(a) combined 50.0 is not above 50", {100, 100, 100, 100, 100}, 0, 0},
        {"177.842(a) combined 50.1 is above 50", {100, 100, 100, 100, 100, 1}, 1, 0},
        {"172.403(c) one package of 10.0", {100}, 0, 0},
        {"172.403(c) one package above 10", {101}, 1, 1},
        {"every package above 10", {101, 150}, 1, 1},
        {"one of two packages above 10", {101, 5}, 1, 0},
    };
    for (const ExclusiveCase &c : cases) {
        Reset_Load(load());
        for (uint32_t ti : c.transportIndexes) {
            Hazmat *item = Add({"UN2915"});
            ASSERT_NE(item, nullptr);
            SetTransportIndex_Hazmat(item, ti);
        }
        EXPECT_EQ(IsExclusiveUse_Load(load()), c.exclusiveUse) << c.paragraph;
        EXPECT_EQ(IsExclusiveUseShipment_Load(load()), c.exclusiveUseShipment) << c.paragraph;
    }
    Reset_Load(load());
    EXPECT_EQ(IsExclusiveUse_Load(load()), 0);
    EXPECT_EQ(IsExclusiveUseShipment_Load(load()), 0);
}

TEST_F(Truckload, ExclusiveUseByCriticalitySafetyIndex)
{
    Hazmat *a = Add({"UN3327"});
    ASSERT_NE(a, nullptr);
    SetCSI_Hazmat(a, 500);
    EXPECT_EQ(IsExclusiveUse_Load(load()), 0);
    SetCSI_Hazmat(a, 501);
    EXPECT_EQ(IsExclusiveUse_Load(load()), 1);
}

} // namespace
} // namespace velmora_test
