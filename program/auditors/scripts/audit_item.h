// What the auditors know of one truckload item: the facts the label and
// package-marking audits read, taken once from the engine's item record.
// The audits never touch the record itself, so they can be driven by a
// plain value in the tests and cannot change the item.
#pragma once

#include <QString>
#include <QStringList>

#include <bitset>

struct Hazmat;

namespace velmora::auditors {

struct AuditItem {
    QString id;             // "UN1203"
    QString shippingName;   // plain text
    QStringList hazardCodes;  // code 0 is the primary hazard ("3", "1.4S", "COMB")
    int packingGroup = 0;   // 0 none, 1-3, -1 unknown
    bool poisonByInhalation = false;
    bool exceptedQuantity = false;
    bool limitedQuantity = false;
    bool bulk = false;
    bool hazardousSubstance = false;
    bool hazardousWaste = false;
    bool marinePollutant = false;
    bool bulkSourCrudeOil = false;
    bool reverseLogistics = false;
    bool symbolG = false;   // column 1 symbol "G": a technical name is needed
    std::bitset<35> exemptions;  // numbered 1-34
    // From the item's Hazardous Materials Table row, for its packing-group slot:
    bool tableLabelsDivision61 = false;  // "6.1" among the label codes
    bool tableNonBulk199 = false;        // "199" under non-bulk packaging
    int ruleset = 0;        // index of the current ruleset

    QString primary() const { return hazardCodes.isEmpty() ? QString() : hazardCodes.first(); }
    bool hasExemption(int n) const { return n > 0 && n < 35 && exemptions.test(static_cast<size_t>(n)); }
};

// Reads the item through the engine's item interface; `ruleset` is the
// engine's current ruleset index.
AuditItem auditItemFromHazmat(const Hazmat *item, int ruleset);

} // namespace velmora::auditors
