// Hazardous Materials Table lookups.
//
// Seam: the embedded table is not built yet, so no PID has a row in any
// ruleset.  The table generator and decoder replace this file.
#include "dravlen.h"

extern "C" {

DRAVLEN_API CTRec *GetCTRec_HazData(int /*pid*/) { return nullptr; }
DRAVLEN_API int HasPID_HazData(int pid) { return GetCTRec_HazData(pid) != nullptr; }

} // extern "C"
