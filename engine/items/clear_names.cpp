// Clearer names for item functions whose old names read alike but answer
// different questions.  The old names stay exported for existing callers.
#include "dravlen.h"

extern "C" {

DRAVLEN_API int HasPlacardingException_Hazmat(const Hazmat *item)
{
    return ExemptFromPlacarding_Hazmat(item);
}

DRAVLEN_API int IsResidueExemptFromPlacarding_Hazmat(const Hazmat *item)
{
    return IsExemptFromPlacarding_Hazmat(item);
}

DRAVLEN_API int HasMarkingException_Hazmat(const Hazmat *item)
{
    return ExemptFromMarking_Hazmat(item);
}

DRAVLEN_API void SetLSAPlacard_Hazmat(Hazmat *item, int on) { SetLSA_Hazmat(item, on); }
DRAVLEN_API int GetLSAPlacard_Hazmat(const Hazmat *item) { return GetLSA_Hazmat(item); }
DRAVLEN_API void SetSCOPlacard_Hazmat(Hazmat *item, int on) { SetSCO_Hazmat(item, on); }
DRAVLEN_API int GetSCOPlacard_Hazmat(const Hazmat *item) { return GetSCO_Hazmat(item); }

} // extern "C"
