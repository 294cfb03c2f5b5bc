// Explosives compatibility (49 CFR 177.848(f)-(i)), the cyanide and
// same-class rules, segregation exceptions and the single-item checks,
// through real truckloads.
#include "truckload_fixture.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace velmora_test {
namespace {

ItemSpec Pounds(ItemSpec s, uint32_t w)
{
    s.weight = w;
    return s;
}

const ItemSpec E11D{"UN0081"};                     // 1.1D explosive, blasting, type A
const ItemSpec E11D2{"UN0048"};                    // 1.1D charges, demolition
const ItemSpec E11E{"UN0006"};                     // 1.1E cartridges with bursting charge
const ItemSpec E11B{"UN0029"};                     // 1.1B detonators, non-electric
const ItemSpec E12D{"UN0035"};                     // 1.2D bombs
const ItemSpec E12L{"UN0248"};                     // 1.2L contrivances, water-activated
const ItemSpec E13C{"UN0161"};                     // 1.3C powder, smokeless
const ItemSpec E13L{"UN0249"};                     // 1.3L contrivances, water-activated
const ItemSpec E14C50{"UN0379"};                   // 1.4C, special provision 50
const ItemSpec E14S50{"UN0055"};                   // 1.4S cartridge cases with primer, special provision 50
const ItemSpec E14D{"UN0289", nullptr, -1, 0, 0, false, 50};  // 1.4D cord, detonating (PID 267)
const ItemSpec E14G{"UN0312"};                     // 1.4G cartridges, signal
const ItemSpec E14S{"UN0070"};                     // 1.4S cutters, cable, explosive
const ItemSpec Fireworks14S{"UN0337"};             // 1.4S fireworks (PID 307)
const ItemSpec Propellant14C{"UN0501"};            // 1.4C propellant, solid
const ItemSpec PowerDevice14S{"UN0323"};           // 1.4S cartridges, power device
const ItemSpec Detonators14S{"UN0455"};            // 1.4S detonators, non-electric
const ItemSpec DetonatorAssemblies14S{"UN0500"};   // 1.4S detonator assemblies, non-electric
const ItemSpec ArticlesNos14S{"UN0349"};           // 1.4S articles, explosive, n.o.s.
const ItemSpec E15D{"UN0331"};                     // 1.5D explosive, blasting, type B
const ItemSpec E16N{"UN0486"};                     // 1.6N extremely insensitive articles
const ItemSpec Gasoline{"UN1203"};
const ItemSpec Phosgene{"UN1076", nullptr, -1, 'A'};
const ItemSpec Acrolein{"UN1092", nullptr, -1, 'A'};   // 6.1 (3), PG I, zone A
const ItemSpec HydrogenCyanide{"UN1051", nullptr, -1, 'A'};
const ItemSpec OrganicPeroxideB{"UN3101"};         // 5.2 with an explosive subsidiary "1"
const ItemSpec SodiumCyanide{"UN1689"};
const ItemSpec SulfuricAcid{"UN1830", nullptr, -1, 0, 'L'};
const ItemSpec CorrosiveSolid{"UN1759", nullptr, 2};

struct RuleCase {
    const char *paragraph;
    std::vector<ItemSpec> items;
    std::map<int, int> counts;  // message code -> number of messages
    int legality;
};

void PrintTo(const RuleCase &c, std::ostream *os) { *os << c.paragraph; }

const RuleCase kCases[] = {
    // 177.835(g): 1.4S detonator assemblies may not travel with Division
    // 1.1-1.3 material, detonating cord 1.4 or Division 1.5; 1.4S
    // detonators only in an MC 201 container or by an approved method,
    // which the truckload does not say; other named 1.4S articles are not
    // restricted; an n.o.s. 1.4S article may be any of these.
    {"177.835(g) 1.1D with a named 1.4S article not restricted", {E11D, E14S}, {{13, 0}, {47, 0}, {14, 0}, {9, 0}}, 0},
    {"177.835(g) 1.1D with 1.4S power device cartridges", {E11D, PowerDevice14S}, {{13, 0}, {47, 0}}, 0},
    {"177.835(g) 1.1D with 1.4S detonators", {E11D, Detonators14S}, {{13, 1}, {47, 0}}, 2},
    {"177.835(g) 1.5D with 1.4S detonators", {E15D, Detonators14S}, {{13, 1}, {47, 0}}, 2},
    {"177.835(g) 1.1D with 1.4S detonator assemblies", {E11D, DetonatorAssemblies14S}, {{47, 1}, {13, 0}}, 1},
    {"177.835(g) 1.4D detonating cord with 1.4S detonator assemblies", {E14D, DetonatorAssemblies14S},
     {{47, 1}, {13, 0}}, 1},
    {"177.835(g) 1.1B detonators with 1.4S detonator assemblies", {E11B, DetonatorAssemblies14S},
     {{47, 0}, {13, 0}}, 0},
    {"177.835(g) 1.4C with 1.4S detonators not restricted", {Propellant14C, Detonators14S}, {{13, 0}, {47, 0}}, 0},
    {"177.835(g) 1.1D with a 1.4S n.o.s. article", {E11D, ArticlesNos14S}, {{13, 1}, {47, 0}}, 2},
    {"177.848(g)(3)(v) 1.4S fireworks with 1.1D", {E11D, Fireworks14S}, {{14, 1}, {13, 0}}, 1},
    {"177.848(g)(3)(iv) group B with group D", {E11B, E11D}, {{13, 1}, {9, 0}}, 2},
    {"177.848(g)(2) different compatibility groups", {E11B, E13C}, {{9, 1}}, 1},
    {"177.848(g)(3)(i) group L only with an identical explosive", {E12L, E13L}, {{10, 1}, {17, 1}}, 1},
    {"177.848(g)(3)(ii) C, D and E reassigned to E", {E11D, E11E}, {{11, 2}, {9, 0}}, 0},
    {"177.848(g)(3)(iii) N with D reassigned to D", {E16N, E11D}, {{12, 2}, {9, 0}}, 0},
    {"177.848(g)(3)(vi) group G with D and S", {E14G, E11D, E14S}, {{15, 1}, {13, 0}}, 2},
    {"177.848(h) group G articles with group N", {E14G, E16N}, {{16, 1}, {9, 1}}, 1},
    {"177.848(i) shipped as the lowest division of the group", {E11D, E14D}, {{17, 1}, {18, 0}}, 0},
    {"177.848(i) 1.5D with 1.2D shipped as 1.1D", {E15D, E12D}, {{18, 2}, {17, 0}}, 0},
    {"177.848(f) explosive subsidiary of unknown division", {OrganicPeroxideB, Gasoline}, {{32, 1}}, 2},
    {"177.848(c) cyanide with an acid", {SodiumCyanide, SulfuricAcid}, {{6, 1}, {29, 0}}, 1},
    {"177.848(c) cyanide with a corrosive not known to be an acid", {SodiumCyanide, CorrosiveSolid},
     {{29, 1}, {6, 0}}, 2},
    {"177.848(e)(6) same class conflicting through a subsidiary", {Acrolein, HydrogenCyanide},
     {{19, 2}, {1, 0}}, 2},
    {"172.102(50) not subject to segregation", {E14C50, E11B}, {{9, 0}}, 0},
    // An item kept out of the segregation rules takes no part in the
    // compatibility group rules of the load either.
    {"172.102(50) no group reassignment for an item not subject", {E14C50, E11D}, {{11, 0}}, 0},
    {"172.102(50) no lowest division for an item not subject", {E14C50, E13C}, {{17, 0}}, 0},
    {"172.102(50) group G with an item not subject", {E14G, E14S50}, {{15, 0}, {13, 0}}, 0},
    {"173.156 limited quantity not subject to segregation",
     {Phosgene, ItemSpec{"UN1203", nullptr, -1, 0, 0, false, 100, 0, true}}, {{1, 0}}, 0},
    {"173.170(b) black powder for small arms over 100 lb", {Pounds({"NA0027"}, 101)}, {{33, 1}}, 1},
    {"173.170(b) black powder for small arms at 100 lb", {Pounds({"NA0027"}, 100)}, {{33, 0}}, 0},
    {"173.171(b) smokeless powder for small arms over 100 lb", {Pounds({"NA3178"}, 101)}, {{34, 1}}, 1},
    {"173.63(a) detonating cord over 99 lb", {Pounds(E14D, 100)}, {{35, 1}}, 1},
    {"173.63(a) detonating cord at 99 lb", {Pounds(E14D, 99)}, {{35, 0}}, 0},
    {"177.841(c), (e) poison liquid", {ItemSpec{"UN2810", nullptr, 2}}, {{20, 1}, {21, 0}, {22, 1}}, 0},
    {"177.841(c) poison gas and foodstuffs", {ItemSpec{"UN1079", nullptr, -1, 'C'}}, {{20, 1}, {21, 1}, {22, 0}}, 0},
    {"172.102(162) diluent", {ItemSpec{"UN1344"}}, {{36, 1}}, 0},
};

class SegregationRules : public Truckload, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(SegregationRules, MessagesAndLegality)
{
    const RuleCase &c = GetParam();
    for (const ItemSpec &s : c.items)
        ASSERT_NE(Add(s), nullptr);
    const auto all = Calculate();
    for (const auto &[code, n] : c.counts)
        EXPECT_EQ(Count(all, code), n) << "message " << code;
    EXPECT_EQ(Legality(), c.legality);
}

INSTANTIATE_TEST_SUITE_P(Rules, SegregationRules, ::testing::ValuesIn(kCases));

TEST_F(Truckload, LowestDivisionMessageNamesTheDivision)
{
    Add(E14D);
    Add(E11D);
    const auto all = Calculate();
    ASSERT_EQ(Count(all, 17), 1);
    for (const HazSeg &m : all) {
        if (m.msg != 17)
            continue;
        EXPECT_STREQ(m.id1, "UN0289");  // the message is about the higher division
        EXPECT_EQ(std::string(m.reason), "[UN0289] 49 CFR \u00A7" "177.848(i): This material must be shipped as if it "
                                         "were Division 1.1D.");
    }
}

TEST_F(Truckload, UnknownExplosiveSubsidiaryIsAboutThePeroxide)
{
    Add(Gasoline);
    Add(OrganicPeroxideB);
    for (const HazSeg &m : Calculate()) {
        if (m.msg == 32) {
            EXPECT_STREQ(m.id1, "UN3101");
            EXPECT_EQ(m.pid2, 0);
        }
    }
}

TEST_F(Truckload, CriticalitySafetyIndexLimitOfTheVehicle)
{
    // 173.457(e): the total may not exceed 100.0 (kept in tenths).
    Hazmat *a = Add({"UN3327"});
    Hazmat *b = Add({"UN3328"});
    ASSERT_TRUE(a && b);
    SetCSI_Hazmat(GetHazmat_Load(load(), 0), 500);
    SetCSI_Hazmat(GetHazmat_Load(load(), 1), 500);
    ASSERT_EQ(GetCSI_Hazmat(GetHazmat_Load(load(), 1)), 500u);
    EXPECT_EQ(Count(Calculate(), 37), 0);
    EXPECT_EQ(Legality(), 0);
    SetCSI_Hazmat(GetHazmat_Load(load(), 1), 501);
    EXPECT_EQ(Count(Calculate(), 37), 2);
    EXPECT_EQ(Legality(), 1);
}

TEST_F(Truckload, VehicleNotApprovedForTheHazmat)
{
    // Gasoline in bulk may travel only in the cargo tanks its bulk packaging
    // section admits; choose one that it does not.
    Hazmat *g = Add(ItemSpec{"UN1203", nullptr, -1, 0, 0, true});
    ASSERT_TRUE(g);
    std::string refused;
    for (const char *name : {"MC/TC 338", "MC/TC 331", "MC/TC 330", "MC 303", "MC 302", "MC 301", "MC 300"}) {
        ASSERT_EQ(SetVehicle_Load(load(), name), 1);
        if (!IsVehicleAllowed_Hazmat(GetHazmat_Load(load(), 0), load()->vehicleCode)) {
            refused = name;
            break;
        }
    }
    ASSERT_FALSE(refused.empty());
    const auto all = Calculate();
    ASSERT_EQ(Count(all, 38), 1);
    EXPECT_EQ(std::string(all.front().reason),
              "[UN1203] This hazmat is not approved for shipment in a " + refused + " vehicle.");
    EXPECT_EQ(Legality(), 1);

    ASSERT_EQ(SetVehicle_Load(load(), "Unknown"), 1);
    EXPECT_EQ(Count(Calculate(), 38), 0);
    EXPECT_EQ(Legality(), 0);
}

} // namespace
} // namespace velmora_test
