// The process-wide reference store: the ruleset table, the decoded
// Hazardous Materials Table rows with their per-ruleset PID indexes, the
// substance, marine-pollutant and violation records, and the current
// ruleset.  The first engine builds it; the last one frees it.
#pragma once

namespace dravlen {

// Counts one more user of the store, building it when there is none.
void AcquireReferenceStore();
// Counts one user less; at zero everything is freed.  A release without a
// store does nothing.
void ReleaseReferenceStore();
// Number of engines holding the store (0 when there is none).
int ReferenceStoreUsers();

} // namespace dravlen
