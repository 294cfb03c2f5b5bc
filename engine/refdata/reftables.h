// The four small reference tables embedded beside the Hazardous Materials
// Table: hazardous substances with their reportable quantities, marine
// pollutants (49 CFR 172.101 Appendix B), roadside-inspection violation
// codes, and regulation links for HMT column values.
//
// Each is stored as fixed-width records of NUL-terminated ASCII fields (the
// rest of a record NUL) generated at build time by tools/reftables_gen.
// The substance, marine-pollutant and violation records are decoded into
// arrays the first time any record of that table is needed, and freed when
// the reference store is released; links are searched in place.
#pragma once

#include <cstddef>
#include <cstdint>

struct HSRec {
    const char *cas;  // "NA" when the substance has no CAS number
    const char *name;
    uint32_t rq;      // reportable quantity in pounds
};

struct MPRec {
    const char *cas;  // null when the key is not a CAS number
    uint32_t pid;     // 0 when the key is not a PID
    const char *name;
    uint32_t type;    // 0 marine pollutant, 1 severe marine pollutant
};

struct VIRec {
    const char *field[10];
};

namespace dravlen {

namespace reftables {
// Generated stored tables (reftables_data.cpp).
extern const char kSubstanceRecords[];
extern const unsigned kSubstanceRecordsCount;
extern const char kMarinePollutantRecords[];
extern const unsigned kMarinePollutantRecordsCount;
extern const char kViolationRecords[];
extern const unsigned kViolationRecordsCount;
extern const char kLinkRecords[];
extern const unsigned kLinkRecordsCount;

constexpr size_t kSubstanceWidth = 194;
constexpr size_t kMarinePollutantWidth = 170;
constexpr size_t kViolationWidth = 234;
constexpr size_t kLinkWidth = 32;
constexpr int kViolationFields = 10;

// Out-of-service indicator stored where no public source gives it.  It is
// neither "Y" nor "P" (out of service) nor "N" (not out of service).
constexpr const char *kOutOfServiceUnknown = "U";

// Reads `count` NUL-terminated fields from one record of `width` bytes into
// `out`.  A field that would run past the record reads as the empty text
// (the record's last byte is always NUL in generated data), so a damaged
// record never makes a reader leave it.
void SplitRecord(const char *record, size_t width, const char **out, int count);
// Unsigned decimal of a field; stops at the first non-digit; 0 when empty.
uint32_t ReadDecimal(const char *text);

// Number of records decoded so far per table (0 until first use): lets the
// tests see that decoding is lazy and that release frees the arrays.
size_t DecodedSubstances();
size_t DecodedMarinePollutants();
size_t DecodedViolations();
} // namespace reftables

// Frees the decoded substance, marine-pollutant and violation arrays; the
// next use decodes them again.  Called when the reference store is released.
void ReleaseReferenceTables();

} // namespace dravlen
