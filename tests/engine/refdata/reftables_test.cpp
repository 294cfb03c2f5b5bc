// The stored reference tables as generated from engine/refdata/data: their
// counts, record layout and order, lazy decoding and release.
#include "refdata/reftables.h"
#include "refdata/store.h"

#include "dravlen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace dravlen::reftables {
namespace {

struct StoredTable {
    const char *name;
    const char *bytes;
    unsigned count;
    size_t width;
    int fields;
    unsigned expected; // our data set; the generator prints the same counts
};

const StoredTable kTables[] = {
    {"substances", kSubstanceRecords, kSubstanceRecordsCount, kSubstanceWidth, 3, 1382},
    // 554 Appendix B names; a name keyed to several CAS numbers or table
    // entries gives one record for each.
    {"marine pollutants", kMarinePollutantRecords, kMarinePollutantRecordsCount,
     kMarinePollutantWidth, 3, 575},
    {"violation codes", kViolationRecords, kViolationRecordsCount, kViolationWidth, 10, 935},
    {"links", kLinkRecords, kLinkRecordsCount, kLinkWidth, 1, 759},
};

// Every record holds exactly its fields, each NUL-terminated, within the
// width and with NUL padding after them; printable ASCII only.
TEST(StoredReferenceTables, CountsAndRecordLayout)
{
    for (const auto &t : kTables) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(t.count, t.expected);
        for (unsigned r = 0; r < t.count; ++r) {
            const char *rec = t.bytes + r * t.width;
            size_t pos = 0;
            for (int f = 0; f < t.fields; ++f) {
                const void *end = std::memchr(rec + pos, '\0', t.width - pos);
                ASSERT_NE(end, nullptr) << "record " << r << " field " << f;
                for (const char *c = rec + pos; c != end; ++c)
                    ASSERT_TRUE(*c >= 0x20 && *c <= 0x7e) << "record " << r;
                pos = static_cast<size_t>(static_cast<const char *>(end) - rec) + 1;
            }
            for (; pos < t.width; ++pos)
                ASSERT_EQ(rec[pos], '\0') << "record " << r << " padding";
        }
    }
}

// Substances ascend by CAS, violation codes by ASPEN code (unique), links by
// key; the binary search of GetLink_HazData relies on the last.
TEST(StoredReferenceTables, KeyOrder)
{
    for (unsigned r = 1; r < kSubstanceRecordsCount; ++r)
        ASSERT_LE(std::strcmp(kSubstanceRecords + (r - 1) * kSubstanceWidth,
                              kSubstanceRecords + r * kSubstanceWidth), 0) << r;
    for (unsigned r = 1; r < kViolationRecordsCount; ++r)
        ASSERT_LT(std::strcmp(kViolationRecords + (r - 1) * kViolationWidth,
                              kViolationRecords + r * kViolationWidth), 0) << r;
    for (unsigned r = 1; r < kLinkRecordsCount; ++r)
        ASSERT_LE(std::strcmp(kLinkRecords + (r - 1) * kLinkWidth, kLinkRecords + r * kLinkWidth),
                  0) << r;
}

// Every value of every link record is found again by the lookup, with its
// own target.
TEST(StoredReferenceTables, EveryLinkIsFound)
{
    for (unsigned r = 0; r < kLinkRecordsCount; ++r) {
        const std::string rec(kLinkRecords + r * kLinkWidth);
        const size_t bar = rec.find('|');
        ASSERT_NE(bar, std::string::npos) << rec;
        const int column = std::stoi(rec.substr(0, 2));
        const std::string value = rec.substr(2, bar - 2);
        const char *target = GetLink_HazData(column, value.c_str());
        ASSERT_NE(target, nullptr) << rec;
        EXPECT_EQ(rec.substr(bar + 1), target);
    }
}

TEST(ReferenceTableDecoding, LazyAndFreedWithTheStore)
{
    ReleaseReferenceTables(); // nothing decoded by earlier tests of this run
    AcquireReferenceStore();
    EXPECT_EQ(DecodedSubstances(), 0u);
    EXPECT_EQ(DecodedMarinePollutants(), 0u);
    EXPECT_EQ(DecodedViolations(), 0u);

    // A search decodes its own table only.
    EXPECT_GE(SearchHS_HazData("100-01-6", -1), 0);
    EXPECT_EQ(DecodedSubstances(), kSubstanceRecordsCount);
    EXPECT_EQ(DecodedMarinePollutants(), 0u);
    EXPECT_NE(GetMPRec_HazData(0), nullptr);
    EXPECT_EQ(DecodedMarinePollutants(), kMarinePollutantRecordsCount);
    EXPECT_EQ(DecodedViolations(), 0u);
    EXPECT_GE(SearchVI_HazData("392.2"), 0);
    EXPECT_EQ(DecodedViolations(), kViolationRecordsCount);

    // A second engine keeps the store; the last one frees the arrays.
    AcquireReferenceStore();
    ReleaseReferenceStore();
    EXPECT_EQ(DecodedSubstances(), kSubstanceRecordsCount);
    ReleaseReferenceStore();
    EXPECT_EQ(ReferenceStoreUsers(), 0);
    EXPECT_EQ(DecodedSubstances(), 0u);
    EXPECT_EQ(DecodedMarinePollutants(), 0u);
    EXPECT_EQ(DecodedViolations(), 0u);

    // Used again, the tables decode again with the same content.
    AcquireReferenceStore();
    const HSRec *rec = GetHSRec_HazData(0);
    ASSERT_NE(rec, nullptr);
    EXPECT_STREQ(GetCAS_HSRec(rec), "100-01-6");
    ReleaseReferenceStore();
}

// A damaged record (no terminator within its width) never makes the reader
// leave it: the missing fields read as the empty text.
TEST(ReferenceTableDecoding, SplitRecordStaysInsideTheRecord)
{
    struct Case {
        const char *bytes;
        size_t width;
        const char *expect[3];
    };
    const Case cases[] = {
        {"ab\0cd\0ef\0", 9, {"ab", "cd", "ef"}},
        {"ab\0cdXYZ", 5, {"ab", "", ""}},   // second field runs past the width
        {"abcdef", 3, {"", "", ""}},        // nothing terminated
        {"\0\0\0", 3, {"", "", ""}},        // all empty
        {"a\0b\0", 4, {"a", "b", ""}},      // record ends after two fields
    };
    for (const auto &c : cases) {
        const char *out[3];
        SplitRecord(c.bytes, c.width, out, 3);
        for (int f = 0; f < 3; ++f) {
            EXPECT_STREQ(out[f], c.expect[f]) << c.bytes << " field " << f;
            if (out[f][0] != '\0') {
                EXPECT_GE(out[f], c.bytes);
                EXPECT_LT(out[f] + std::strlen(out[f]), c.bytes + c.width);
            }
        }
    }
}

TEST(ReferenceTableDecoding, ReadDecimal)
{
    struct Case {
        const char *text;
        uint32_t value;
    };
    const Case cases[] = {
        {"", 0}, {"0", 0}, {"5000", 5000}, {"982", 982}, {"12ab", 12}, {"-5", 0},
        {"4294967295", 4294967295u}, {"99999999999", 4294967295u},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReadDecimal(c.text), c.value) << c.text;
}

} // namespace
} // namespace dravlen::reftables
