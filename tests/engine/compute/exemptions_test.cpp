// Exemptions 1-34 read and set with the truckload taken into account, and
// the exemption from the segregation rules, through real truckloads.
#include "truckload_fixture.h"

#include <ostream>
#include <vector>

namespace velmora_test {
namespace {

const ItemSpec Acrolein{"UN1092", nullptr, -1, 'A'};  // special provision 380, 6.1 (3) PG I zone A
const ItemSpec Gasoline{"UN1203"};

// 172.102(380): the other materials of the load must be Class 3, 8 or
// Division 4.1 in packing group II or III (with a primary hazard of Class 3
// or 8); another special provision 380 item always passes.
struct LoadTestCase {
    const char *paragraph;
    std::vector<ItemSpec> others;
    int allowed;
};

void PrintTo(const LoadTestCase &c, std::ostream *os) { *os << c.paragraph; }

const LoadTestCase kLoadTests[] = {
    {"172.102(380) alone", {}, 1},
    {"172.102(380) with Class 3 PG II", {Gasoline}, 1},
    {"172.102(380) with Class 3 PG II with a Class 8 subsidiary", {{"UN2924", nullptr, 2}}, 1},
    {"172.102(380) with Class 8 PG II", {{"UN1759", nullptr, 2}}, 1},
    {"172.102(380) with Class 8 PG III", {{"UN1759", nullptr, 3}}, 1},
    {"172.102(380) with another special provision 380 item", {Acrolein}, 1},
    {"172.102(380) with Class 3 PG II with a 6.1 subsidiary", {{"UN1992", nullptr, 2}}, 0},
    {"172.102(380) with Class 3 PG I", {{"UN2924", nullptr, 1}}, 0},
    {"172.102(380) with Division 4.1 as primary hazard", {{"UN1325", nullptr, 2}}, 0},
    {"172.102(380) with a combustible liquid", {{"NA1993", "COMB"}}, 0},
    {"172.102(380) with Division 2.1", {{"UN1049"}}, 0},
    {"172.102(380) one passing, one failing", {Gasoline, {"UN1049"}}, 0},
};

class Exemption27 : public Truckload, public ::testing::WithParamInterface<LoadTestCase> {};

TEST_P(Exemption27, AllowedByTheOtherItems)
{
    const LoadTestCase &c = GetParam();
    ASSERT_NE(Add(Acrolein), nullptr);
    for (const ItemSpec &s : c.others)
        ASSERT_NE(Add(s), nullptr);
    Hazmat *item = GetHazmat_Load(load(), 0);
    EXPECT_EQ(IsExemptionAllowedForLoad_Hazmat(item, 27, load()), c.allowed);

    SetExemptionForLoad_Hazmat(item, 27, 1, load());
    EXPECT_EQ(HasExemptionForLoad_Hazmat(item, 27, load()), c.allowed);
    // Held for this load, it takes the item out of the segregation rules.
    EXPECT_EQ(ExemptFromSegregationForLoad_Hazmat(item, load()), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(LoadTest, Exemption27, ::testing::ValuesIn(kLoadTests));

TEST_F(Truckload, Exemption27FollowsTheLoadIntoTheCalculation)
{
    // Acrolein (6.1 PG I zone A) with gasoline: do not load, unless carried
    // under special provision 380.
    ASSERT_NE(Add(Acrolein), nullptr);
    ASSERT_NE(Add(Gasoline), nullptr);
    Calculate();
    EXPECT_EQ(Legality(), 1);

    Hazmat *acrolein = GetHazmat_Load(load(), 0);
    EXPECT_EQ(IsExemptionAllowedForLoad_Hazmat(acrolein, 27, nullptr), 1);  // null: an empty load
    SetExemptionForLoad_Hazmat(acrolein, 27, 1, load());
    Calculate();
    EXPECT_EQ(Legality(), 0);

    // A flammable gas joins: the exemption no longer holds for this load.
    ASSERT_NE(Add({"UN1049"}), nullptr);
    Calculate();
    EXPECT_EQ(Legality(), 1);
}

struct AllowedCase {
    const char *paragraph;
    ItemSpec item;
    unsigned code;
    int allowed;
};

TEST_F(Truckload, ExemptionsAllowedByEntry)
{
    const AllowedCase cases[] = {
        {"173.159(e) wet batteries UN2794", {"UN2794"}, 2, 1},
        {"173.159(d) non-spillable batteries UN2800", {"UN2800"}, 1, 1},
        {"173.159(e) not for UN2800", {"UN2800"}, 2, 0},
        {"172.504(f)(2) combustible liquid not in bulk", {"NA1993", "COMB"}, 16, 0},
        {"172.504(f)(2) combustible liquid in bulk", {"NA1993", "COMB", -1, 0, 0, true}, 16, 1},
        {"173.453 fissile exempt", {"UN3327"}, 12, 1},
        {"exemption 20 is never allowed", {"UN1203"}, 20, 0},
        {"no exemption 0", {"UN1203"}, 0, 0},
        {"no exemption 35", {"UN1203"}, 35, 0},
    };
    for (const AllowedCase &c : cases) {
        Hazmat item;
        ASSERT_TRUE(Bind(&item, c.item)) << c.paragraph;
        EXPECT_EQ(IsExemptionAllowedForLoad_Hazmat(&item, c.code, load()), c.allowed) << c.paragraph;
        SetExemptionForLoad_Hazmat(&item, c.code, 1, load());
        EXPECT_EQ(HasExemptionForLoad_Hazmat(&item, c.code, load()), c.allowed) << c.paragraph;
        // Setting with value 0 clears.
        SetExemptionForLoad_Hazmat(&item, c.code, 0, load());
        EXPECT_EQ(HasExemptionForLoad_Hazmat(&item, c.code, load()), 0) << c.paragraph;
        Reset_Hazmat(&item, 0);
    }
}

TEST_F(Truckload, FissileExemptClearsTheCriticalitySafetyIndex)
{
    Hazmat *item = Add({"UN3327"});
    ASSERT_NE(item, nullptr);
    SetCSI_Hazmat(item, 50);
    ASSERT_EQ(GetCSI_Hazmat(item), 50u);
    SetExemptionForLoad_Hazmat(item, 12, 1, load());
    EXPECT_EQ(HasExemptionForLoad_Hazmat(item, 12, load()), 1);
    EXPECT_EQ(GetCSI_Hazmat(item), 0u);
}

TEST_F(Truckload, SegregationExemptions)
{
    Hazmat *lq = Add({"UN1203", nullptr, -1, 0, 0, false, 100, 0, true});
    ASSERT_NE(lq, nullptr);
    // 173.156: a limited quantity is not subject to 177.848.
    EXPECT_EQ(ExemptFromSegregationForLoad_Hazmat(lq, load()), 1);
    // ... but under reverse logistics (173.157) it is.
    ASSERT_EQ(IsReverseLogisticsAllowed_Hazmat(lq), 1);
    SetReverseLogistics_Hazmat(lq, 1);
    ASSERT_EQ(IsReverseLogistics_Hazmat(lq), 1);
    EXPECT_EQ(ExemptFromSegregationForLoad_Hazmat(lq, load()), 0);

    Hazmat *plain = Add(Gasoline);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(ExemptFromSegregationForLoad_Hazmat(plain, load()), 0);

    // 172.102(50): not subject to the segregation requirements.
    Hazmat *sp50 = Add({"UN0379"});
    ASSERT_NE(sp50, nullptr);
    EXPECT_EQ(ExemptFromSegregationForLoad_Hazmat(sp50, load()), 1);

    Hazmat unbound;
    Init_Hazmat(&unbound, 0);
    EXPECT_EQ(ExemptFromSegregationForLoad_Hazmat(&unbound, load()), 0);
    Reset_Hazmat(&unbound, 0);
}

// The exemptions that take an item out of 177.848, one rule at a time.
TEST_F(Truckload, SegregationExemptionRules)
{
    struct Case {
        const char *paragraph;
        ItemSpec item;
        unsigned exemption;  // 0: none
        bool hazardousSubstance;
        int exempt;
    };
    const Case cases[] = {
        {"172.101(b)(2) not regulated but by aircraft", {"UN1910"}, 4, false, 1},
        {"172.101(b)(2) unless a hazardous substance", {"UN1910"}, 4, true, 0},
        {"172.101(b)(2) exemption not claimed", {"UN1910"}, 0, false, 0},
        {"172.102(30) sulfur not in bulk", {"UN1350"}, 0, false, 1},
        {"172.102(30) sulfur in bulk", {"UN1350", nullptr, -1, 0, 0, true}, 0, false, 0},
        {"172.102(30) sulfur in bulk formed to a shape", {"UN1350", nullptr, -1, 0, 0, true}, 9, false, 1},
        {"ORM-D", {"UN1203"}, 8, false, 1},
    };
    for (const Case &c : cases) {
        Hazmat item;
        ASSERT_TRUE(Bind(&item, c.item)) << c.paragraph;
        if (c.hazardousSubstance)
            SetHazardousSubstance_Hazmat(&item, 1);
        if (c.exemption == 8)
            SetOrmD_Hazmat(&item, 1);
        else if (c.exemption)
            SetExemptionForLoad_Hazmat(&item, c.exemption, 1, load());
        if (c.exemption) {
            ASSERT_EQ(HasExemptionForLoad_Hazmat(&item, c.exemption, load()), 1) << c.paragraph;
        }
        EXPECT_EQ(ExemptFromSegregationForLoad_Hazmat(&item, load()), c.exempt) << c.paragraph;
        Reset_Hazmat(&item, 0);
    }
}

} // namespace
} // namespace velmora_test
