// The item record's lifecycle: binding, release and copy.
#include "dravlen.h"

#include <gtest/gtest.h>

namespace {

TEST(HazmatLifecycle, UnboundWhenThePidHasNoRow)
{
    EXPECT_LE(GetSizeOf_Hazmat(), 256);
    Hazmat *item = Alloc_Hazmat();
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(Init_Hazmat(item, 0), 0);
    EXPECT_EQ(GetPID_Hazmat(item), 0);
    // No row for any PID is reachable yet: binding reports failure and the
    // item stays unbound.
    for (int pid : {1, 631, 2607, -5, 99999}) {
        SCOPED_TRACE(pid);
        EXPECT_EQ(Reset_Hazmat(item, pid), HasPID_HazData(pid) ? 1 : 0);
        EXPECT_EQ(GetPID_Hazmat(item), HasPID_HazData(pid) ? pid : 0);
    }
    Reset_Hazmat(item, 0);
    qv_free(item);
}

TEST(HazmatLifecycle, ResetClearsAndReleases)
{
    Hazmat item;
    Init_Hazmat(&item, 0);
    item.pid = 631;
    item.wordA = 0x10000;
    item.wordB = 0x800;
    item.weight = 100;
    item.nameIndex = 1;
    Add_Dict(&item.dict, "SPA_QID1", "0");
    Reset_Hazmat(&item, 0); // the dictionary is freed (checked by the leak sanitizer)
    EXPECT_EQ(item.pid, 0);
    EXPECT_EQ(item.wordA, 0u);
    EXPECT_EQ(item.wordB, 0u);
    EXPECT_EQ(item.weight, 0u);
    EXPECT_EQ(item.nameIndex, 0u);
    EXPECT_EQ(item.dict.head, nullptr);
}

// The copy goes through the item record: it is re-bound to the table, so
// only values the entry admits survive (fuel oil has one shipping name and
// needs no criticality safety index).
TEST(HazmatLifecycle, CopyIsIndependentAndReplacesTheDestination)
{
    Engine engine;
    Init_Engine(&engine);
    Hazmat src;
    ASSERT_EQ(Init_Hazmat(&src, 58), 1);
    src.wordA |= 0x10000;
    src.wordB = 0x20000;
    src.nameIndex = 2;
    src.weight = 4000;
    src.transportIndex = 10;
    src.csi = 5;
    Add_Dict(&src.dict, "SPA_QID4", "1");

    Hazmat dest;
    Init_Hazmat(&dest, 0);
    Add_Dict(&dest.dict, "old", "gone");
    Copy_Hazmat(&dest, &src);
    EXPECT_EQ(dest.pid, 58);
    EXPECT_EQ(dest.wordA, src.wordA);
    EXPECT_EQ(dest.wordB, src.wordB);
    EXPECT_EQ(dest.nameIndex, 1u);
    EXPECT_EQ(dest.weight, 4000u);
    EXPECT_EQ(dest.transportIndex, 10u);
    EXPECT_EQ(dest.csi, 0u);
    EXPECT_EQ(Find_Dict(&dest.dict, "old"), nullptr);
    EXPECT_STREQ(Find_Dict(&dest.dict, "SPA_QID4"), "1");
    EXPECT_NE(dest.dict.head, src.dict.head);
    EXPECT_EQ(dest.questions.head, nullptr);
    EXPECT_EQ(dest.violations.head, nullptr);

    Add_Dict(&src.dict, "SPA_QID4", "0");
    EXPECT_STREQ(Find_Dict(&dest.dict, "SPA_QID4"), "1");

    Copy_Hazmat(&dest, &dest); // copying onto itself changes nothing
    EXPECT_STREQ(Find_Dict(&dest.dict, "SPA_QID4"), "1");

    Reset_Hazmat(&src, 0);
    Reset_Hazmat(&dest, 0);
    Destroy_Engine(&engine);
}

} // namespace
