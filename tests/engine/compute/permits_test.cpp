// Hazardous materials safety permits (49 CFR 385.403) and radioactive
// exclusive use, through real truckloads.
#include "truckload_fixture.h"

#include <ostream>
#include <vector>

namespace velmora_test {
namespace {

// A quantity fact the item gives; a negative value leaves it absent.
struct Facts {
    double netExplosiveMass = -1;  // in the item's weight unit
    double packageLitres = -1;
    double bulkGallons = -1;
};

struct PermitItem {
    ItemSpec spec;
    char radiation = 0;  // 'H' highway route controlled quantity
    Facts facts = {};
};

Facts Net(double mass) { return {mass, -1, -1}; }
Facts Package(double litres) { return {-1, litres, -1}; }
Facts Capacity(double gallons) { return {-1, -1, gallons}; }

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
const ItemSpec ZoneA{"UN1076", nullptr, -1, 'A'};
const ItemSpec ZoneABulk{"UN1076", nullptr, -1, 'A', 0, true};
const ItemSpec ZoneCBulk{"UN1079", nullptr, -1, 'C', 0, true};
const ItemSpec MethaneBulk{"UN1971", nullptr, -1, 0, 0, true};
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
    // Two items of one entry: the answer is each item's own, not its entry's.
    {"385.403(b) the second of two items of one entry passes 55 lb",
     {{W("UN0081", 30)}, {W("UN0081", 30)}}, {0, 2}, {"No", "Maybe"}, {41, 41}},
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
    // 385.403(b) "more than 25 kg (55 pounds) net weight": the net
    // explosive mass, where given, settles what the gross weight leaves open.
    {"385.403(b) net mass over 25 kg", {{W("UN0081", 80), 0, Net(56)}}, {8}, {"Yes"}, {49}},
    {"385.403(b) net mass of 25 kg is not more", {{W("UN0081", 80, 1), 0, Net(25)}}, {0}, {"No"}, {0}},
    {"385.403(b) net mass of 25.001 kg is more", {{W("UN0081", 80, 1), 0, Net(25.001)}}, {8}, {"Yes"}, {49}},
    {"385.403(b) net masses add up per division",
     {{W("UN0081", 40), 0, Net(30)}, {W("UN0161", 40), 0, Net(30)}, {W("UN0048", 40), 0, Net(30)}}, {0, 0, 8},
     {"No", "No", "Yes"}, {0, 0, 49}},
    {"385.403(b) a known net mass with a gross weight that may pass",
     {{W("UN0081", 40), 0, Net(30)}, {W("UN0048", 40)}}, {0, 2}, {"No", "Maybe"}, {0, 41}},
    {"385.403(b) the known net mass passes after a gross weight that may",
     {{W("UN0081", 60)}, {W("UN0048", 70), 0, Net(60)}}, {0, 8}, {"No", "Yes"}, {0, 49}},
    {"385.403(b) a small net mass in a heavy package", {{W("UN0081", 500), 0, Net(20)}}, {0}, {"No"}, {0}},
    {"385.403(c) zone A, 1 L per package is not more", {{ZoneA, 0, Package(1)}}, {0}, {"No"}, {0}},
    {"385.403(c) zone A, more than 1 L per package", {{ZoneA, 0, Package(1.2)}}, {9}, {"Yes"}, {50}},
    {"385.403(c) zone A in a bulk packaging of known capacity", {{ZoneABulk, 0, Capacity(1000)}}, {9}, {"Yes"},
     {50}},
    {"385.403(e) zone C in bulk of 3,500 gallons", {{ZoneCBulk, 0, Capacity(3500)}}, {10}, {"Yes"}, {51}},
    // 13,248 L is 3,499.7 gallons: the litres are the rule's figure.
    {"385.403(e) zone C in bulk of 3,499.8 gallons", {{ZoneCBulk, 0, Capacity(3499.8)}}, {10}, {"Yes"}, {51}},
    {"385.403(e) zone C in bulk of 3,499.6 gallons", {{ZoneCBulk, 0, Capacity(3499.6)}}, {0}, {"No"}, {0}},
    {"385.403(e) a package capacity does not settle a bulk capacity", {{ZoneCBulk, 0, Package(20000)}}, {6},
     {"Maybe"}, {45}},
    {"385.403(f) methane in bulk of 11,000 gallons", {{MethaneBulk, 0, Capacity(11000)}}, {11}, {"Yes"}, {52}},
    {"385.403(f) methane in bulk of 1,000 gallons", {{MethaneBulk, 0, Capacity(1000)}}, {0}, {"No"}, {0}},
    {"385.403(d) zone B in bulk is required whatever the capacity", {{ZoneBBulk, 0, Capacity(100)}}, {5}, {"Yes"},
     {44}},
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
        if (p.facts.netExplosiveMass >= 0) {
            ASSERT_EQ(SetNetExplosiveMass_Hazmat(item, p.facts.netExplosiveMass, p.spec.unit), 1);
        }
        if (p.facts.packageLitres >= 0) {
            ASSERT_EQ(SetPackageCapacity_Hazmat(item, p.facts.packageLitres), 1);
        }
        if (p.facts.bulkGallons >= 0) {
            ASSERT_EQ(SetBulkCapacity_Hazmat(item, p.facts.bulkGallons), 1);
        }
    }
    const auto all = Calculate();
    for (uint32_t i = 0; i < c.items.size(); ++i) {
        EXPECT_EQ(HazmatNeedsPermit_Load(load(), i), c.codes[i]) << "item " << i;
        EXPECT_STREQ(HazmatPermitString_Load(load(), i), c.texts[i]) << "item " << i;
        const char *id = GetID_Hazmat(GetHazmat_Load(load(), i));
        int found = 0;
        for (const HazSeg &m : all) {
            if (m.type != MESSAGE_PERMIT_REQUIRED && m.type != MESSAGE_PERMIT_MAY_BE_REQUIRED)
                continue;
            if (std::strcmp(m.id1, id) == 0) {
                EXPECT_EQ(found, 0) << "item " << i << ": a second permit message " << m.msg;
                found = m.msg;
                const bool required = std::strcmp(c.texts[i], "Yes") == 0;
                EXPECT_EQ(m.type, required ? MESSAGE_PERMIT_REQUIRED : MESSAGE_PERMIT_MAY_BE_REQUIRED);
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
