#include "auditors/scripts/audit_item.h"

#include "dravlen.h"

#include <algorithm>

namespace velmora::auditors {

AuditItem auditItemFromHazmat(const Hazmat *item, int ruleset)
{
    AuditItem a;
    a.id = QString::fromUtf8(GetID_Hazmat(item));
    a.shippingName = QString::fromUtf8(GetRomanPSN_Hazmat(item));
    const int codes = GetNumHazDivs_Hazmat(item);
    for (int i = 0; i < codes; ++i)
        a.hazardCodes << QString::fromUtf8(GetHazDivString_Hazmat(item, i));
    a.packingGroup = GetPackingGroup_Hazmat(item);
    a.poisonByInhalation = GetPIH_Hazmat(item) != 0;
    a.exceptedQuantity = IsExceptedQuantity_Hazmat(item) != 0;
    a.limitedQuantity = IsLimitedQuantity_Hazmat(item) != 0;
    a.bulk = IsBulkPackaging_Hazmat(item) != 0;
    a.hazardousSubstance = IsHazardousSubstance_Hazmat(item) != 0;
    a.hazardousWaste = IsHazardousWaste_Hazmat(item) != 0;
    a.marinePollutant = IsMarinePollutant_Hazmat(item) != 0;
    a.bulkSourCrudeOil = IsBulkSourCrudeOil_Hazmat(item) != 0;
    a.reverseLogistics = IsReverseLogistics_Hazmat(item) != 0;
    a.symbolG = HasSymbol_Hazmat(item, 'G') != 0;
    for (unsigned n = 1; n < 35; ++n)
        a.exemptions.set(n, HasExemption_Hazmat(item, n) != 0);
    if (const CTRec *row = GetCTRec_HazData(GetPID_Hazmat(item))) {
        const int slot = std::max(a.packingGroup, 0);
        a.tableLabelsDivision61 = HasElement_CTRec(row, slot, 5, "6.1") != 0;
        a.tableNonBulk199 = HasElement_CTRec(row, slot, 8, "199") != 0;
    }
    a.ruleset = ruleset;
    return a;
}

} // namespace velmora::auditors
