// The quantity facts an item may give (net explosive mass, largest package,
// bulk capacity): what the setters accept, what a stored value reads as,
// and that the facts travel with every copy of the item.
#include "item_fixture.h"

#include <cmath>
#include <limits>
#include <vector>

using namespace items_test;

namespace {

enum class Fact { NetMassPounds, NetMassKilograms, Package, Bulk };

int Set(Hazmat *item, Fact fact, double value)
{
    switch (fact) {
    case Fact::NetMassPounds: return SetNetExplosiveMass_Hazmat(item, value, WEIGHT_POUNDS);
    case Fact::NetMassKilograms: return SetNetExplosiveMass_Hazmat(item, value, WEIGHT_KILOGRAMS);
    case Fact::Package: return SetPackageCapacity_Hazmat(item, value);
    case Fact::Bulk: return SetBulkCapacity_Hazmat(item, value);
    }
    return -1;
}

int Get(const Hazmat *item, Fact fact, double *value)
{
    switch (fact) {
    case Fact::NetMassPounds: return GetNetExplosiveMass_Hazmat(item, WEIGHT_POUNDS, value);
    case Fact::NetMassKilograms: return GetNetExplosiveMass_Hazmat(item, WEIGHT_KILOGRAMS, value);
    case Fact::Package: return GetPackageCapacity_Hazmat(item, value);
    case Fact::Bulk: return GetBulkCapacity_Hazmat(item, value);
    }
    return -1;
}

struct SetCase {
    const char *what;
    Fact fact;
    double value;
    int stored;
    double readBack;   // when stored
    double tolerance;  // the stored precision
};

TEST_F(ItemTest, QuantityFactSettersStoreWhatTheyCanAndRefuseTheRest)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const SetCase cases[] = {
        {"net mass in kilograms", Fact::NetMassKilograms, 25.001, 1, 25.001, 1e-9},
        {"net mass in pounds, 2.205 lb per kg", Fact::NetMassPounds, 55.125, 1, 55.125, 0.003},
        {"zero net mass", Fact::NetMassKilograms, 0, 1, 0, 0},
        {"package of 1.2 L", Fact::Package, 1.2, 1, 1.2, 1e-9},
        {"package below the stored precision", Fact::Package, 0.0004, 1, 0, 0},
        {"bulk of 3,499.8 gallons", Fact::Bulk, 3499.8, 1, 3499.8, 1e-9},
        {"largest storable bulk capacity", Fact::Bulk, 42949672.95, 1, 42949672.95, 1e-6},
        {"beyond 32 bits of hundredths", Fact::Bulk, 42949672.96, 0, 0, 0},
        {"negative package", Fact::Package, -1, 0, 0, 0},
        {"net mass not a number", Fact::NetMassKilograms, nan, 0, 0, 0},
        {"infinite package", Fact::Package, inf, 0, 0, 0},
    };
    for (const SetCase &c : cases) {
        SCOPED_TRACE(c.what);
        Hazmat *item = Bind(kBlastingCaps);
        double value = -7;
        ASSERT_EQ(Get(item, c.fact, &value), 0) << "absent on a fresh item";
        EXPECT_EQ(value, -7);
        EXPECT_EQ(Set(item, c.fact, c.value), c.stored);
        EXPECT_EQ(Get(item, c.fact, &value), c.stored);
        if (c.stored) {
            EXPECT_NEAR(value, c.readBack, c.tolerance);
        } else {
            EXPECT_EQ(value, -7) << "a refused value leaves the fact absent";
        }
        Reset_Hazmat(item, 0);
        --used_;
    }
}

TEST_F(ItemTest, AStoredFactThatIsNotPlainDigitsReadsAsAbsentAndStays)
{
    const struct {
        const char *stored;
        int present;
        double litres;
    } cases[] = {
        {"1500", 1, 1.5},        {"0001500", 1, 1.5}, {"4294967295", 1, 4294967.295},
        {"4294967296", 0, 0},    {"00000000001", 0, 0}, {"", 0, 0},
        {"-5", 0, 0},            {"1.5", 0, 0},       {"15 ", 0, 0},
        {"1e3", 0, 0},
    };
    Hazmat *item = Bind(kPoisonGasZoneA);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        Add_Dict(&item->dict, "QTY1_PACKAGE_CAPACITY_ML", c.stored);
        double litres = -1;
        EXPECT_EQ(GetPackageCapacity_Hazmat(item, &litres), c.present);
        if (c.present) {
            EXPECT_DOUBLE_EQ(litres, c.litres);
        }
        // Nothing is lost: the entry keeps its text.
        EXPECT_STREQ(Find_Dict(&item->dict, "QTY1_PACKAGE_CAPACITY_ML"), c.stored);
    }
}

TEST_F(ItemTest, QuantityFactsTravelWithCopiesRecordsAndTruckloadImages)
{
    Hazmat *item = Bind(kPoisonGasZoneA);
    ASSERT_EQ(SetNetExplosiveMass_Hazmat(item, 12.5, WEIGHT_KILOGRAMS), 1);
    ASSERT_EQ(SetPackageCapacity_Hazmat(item, 0.75), 1);
    ASSERT_EQ(SetBulkCapacity_Hazmat(item, 3600), 1);
    const auto expectFacts = [](const Hazmat *h, const char *where) {
        SCOPED_TRACE(where);
        double v = 0;
        EXPECT_EQ(GetNetExplosiveMass_Hazmat(h, WEIGHT_KILOGRAMS, &v), 1);
        EXPECT_DOUBLE_EQ(v, 12.5);
        EXPECT_EQ(GetPackageCapacity_Hazmat(h, &v), 1);
        EXPECT_DOUBLE_EQ(v, 0.75);
        EXPECT_EQ(GetBulkCapacity_Hazmat(h, &v), 1);
        EXPECT_DOUBLE_EQ(v, 3600);
    };

    Hazmat *copy = Bind(0);
    Copy_Hazmat(copy, item);
    expectFacts(copy, "Copy_Hazmat");

    std::vector<uint8_t> record(GetSerialSize_Hazmat(item, GetLatestSerialHazmatVersion()));
    ASSERT_EQ(Serialize_Hazmat(item, record.data()), record.size());
    Hazmat *read = Bind(0);
    ASSERT_EQ(Unserialize_Hazmat(read, record.data(), GetLatestSerialHazmatVersion()), record.size());
    expectFacts(read, "item record");

    Load *load = GetLoad_Engine(&engine_);
    ASSERT_EQ(Add_Load(load, item), 0);
    ASSERT_EQ(Add_Load(load, Bind(kGasoline)), 1);
    uint32_t size = 0;
    void *image = Serialize_Load(load, &size);
    ASSERT_NE(image, nullptr);
    Engine other{};
    Init_Engine(&other);
    ASSERT_EQ(Unserialize_Load(GetLoad_Engine(&other), image, size, 0), 0);
    qv_free(image);
    expectFacts(GetHazmat_Load(GetLoad_Engine(&other), 0), "truckload image");
    double v = 0;
    EXPECT_EQ(GetPackageCapacity_Hazmat(GetHazmat_Load(GetLoad_Engine(&other), 1), &v), 0)
        << "an item that gave no fact has none after reading";
    Destroy_Engine(&other);

    ClearNetExplosiveMass_Hazmat(item);
    ClearPackageCapacity_Hazmat(item);
    ClearBulkCapacity_Hazmat(item);
    EXPECT_EQ(GetNetExplosiveMass_Hazmat(item, WEIGHT_POUNDS, &v), 0);
    EXPECT_EQ(GetPackageCapacity_Hazmat(item, &v), 0);
    EXPECT_EQ(GetBulkCapacity_Hazmat(item, &v), 0);
    EXPECT_EQ(item->dict.head, nullptr) << "clearing leaves no entry behind";
}

} // namespace
