#include "report_reader.h"

#include "frontend/compliance_vocabulary.h"

#include <cstddef>
#include <vector>

namespace velmora::reports {

namespace {

QString text(const char *bytes) { return bytes ? QString::fromUtf8(bytes) : QString(); }

ReportPlacard readPlacard(const Placard *p)
{
    ReportPlacard placard;
    if (const PlacardPicture *picture = FindPlacardPicture(p)) {
        placard.resource = QString::fromLatin1(picture->resource);
        placard.name = QString::fromLatin1(picture->name);
    }
    placard.idNumber = IsBulk_Placard(p) ? GetIDNo_Placard(p) : 0;
    placard.primary = IsPrimary_Placard(p) != 0;
    return placard;
}

ReportMarking readMarking(const Marking *m)
{
    ReportMarking marking;
    marking.type = GetType_Marking(m);
    marking.idNumber = GetIDNo_Marking(m);
    if (marking.type == 7)
        marking.shippingName = text(GetPSN_Marking(m));
    if (const MarkingKind *kind = FindMarkingKind(marking.type)) {
        marking.picture = kind->picture ? QString::fromLatin1(kind->picture) : QString();
        marking.name = QString::fromLatin1(kind->name);
        marking.citation = QString::fromLatin1(kind->citation);
    }
    return marking;
}

std::vector<ReportMessage> readMessages(Output *out)
{
    std::vector<ReportMessage> messages;
    // Messages come as copies into caller storage of the record's size.
    std::vector<std::max_align_t> storage(static_cast<size_t>(GetSizeOf_HazSeg()) / sizeof(std::max_align_t) + 1);
    auto *seg = reinterpret_cast<HazSeg *>(storage.data());
    for (int more = GetFirstSegregation_Output(out, seg); more; more = GetNextSegregation_Output(out, seg)) {
        ReportMessage m;
        m.type = GetType_HazSeg(seg);
        m.reason = text(GetReason_HazSeg(seg));
        m.citation = text(GetCitation_HazSeg(seg)).trimmed();
        messages.push_back(m);
    }
    return messages;
}

QString packingGroup(int pg)
{
    switch (pg) {
    case 1: return QStringLiteral("I");
    case 2: return QStringLiteral("II");
    case 3: return QStringLiteral("III");
    case -1: return QStringLiteral("???");
    default: return {};
    }
}

// The worst permit answer over the items (49 CFR 385.403).
QString permitVerdict(const Load *load)
{
    QString verdict = QStringLiteral("No");
    for (uint32_t i = 0; i < GetItemCount_Load(load); ++i) {
        const QString answer = text(HazmatPermitString_Load(load, i));
        if (answer == QLatin1String("Yes"))
            return answer;
        if (answer == QLatin1String("Maybe"))
            verdict = answer;
    }
    return verdict;
}

} // namespace

ManifestRow readManifestRow(Load *load, uint32_t index)
{
    const Hazmat *item = GetHazmat_Load(load, index);
    if (!item)
        return {};
    QString psn = text(GetRomanPSN_Hazmat(item));
    psn.replace(QStringLiteral("<I>"), QStringLiteral("[")).replace(QStringLiteral("</I>"), QStringLiteral("]"));
    QStringList codes;
    for (int i = 0; i < GetNumHazDivs_Hazmat(item); ++i)
        codes << text(GetHazDivString_Hazmat(item, i)).trimmed();
    // The primary hazard, then the subsidiary hazards in parentheses.
    QString hazardClass = codes.value(0);
    if (codes.size() > 1)
        hazardClass += QStringLiteral(", (") + codes.mid(1).join(QStringLiteral(", ")) + QLatin1Char(')');
    const int unit = GetWeightUnit_Hazmat(item);
    const uint32_t weight = GetWeight_Hazmat(item, unit);
    const QString weightCell = weight == 0 ? QStringLiteral("n/a")
                                           : QString::number(weight) + (unit ? QStringLiteral(" kgs.") : QStringLiteral(" lbs."));
    const QString packaging = IsBulkPackaging_Hazmat(item)       ? QStringLiteral("Bulk")
                              : IsLimitedQuantity_Hazmat(item)   ? QStringLiteral("LTD QTY")
                              : IsExceptedQuantity_Hazmat(item)  ? QStringLiteral("EX QTY")
                                                                 : QStringLiteral("Non-Bulk");
    const QString zone = QString(QChar::fromLatin1(GetHazardZone_Hazmat(item))).remove(QChar(0)).trimmed();
    return {text(GetID_Hazmat(item)), psn, hazardClass.trimmed(), packingGroup(GetPackingGroup_Hazmat(item)),
            text(HazmatPermitString_Load(load, index)), weightCell, packaging,
            zone.isEmpty() ? QStringLiteral("None") : QStringLiteral("Zone ") + zone};
}

TruckloadReport readTruckloadReport(Engine *engine, int currentOption)
{
    TruckloadReport report;
    if (!engine)
        return report;
    Load *load = GetLoad_Engine(engine);
    report.truckId = text(GetName_Load(load));
    report.vehicle = text(GetVehicle_Load(load));
    const int ruleset = GetRuleset_Engine(engine);
    report.ruleset = text(GetStatus_Ruleset(ruleset)) + QStringLiteral(" Rules (") + text(GetDocket_Ruleset(ruleset)) +
                     QLatin1Char(')');
    for (uint32_t i = 0; i < GetItemCount_Load(load); ++i)
        report.manifest.push_back(readManifestRow(load, i));
    const int count = GetNumOutputs_Engine(engine);
    for (int n = 0; n < count; ++n) {
        Output *out = GetOutput_Engine(engine, n);
        PlacardingOption option;
        for (Placard *p = GetFirstPlacardPointer_Output(out); p; p = GetNextPlacardPointer_Output(out))
            option.placards.push_back(readPlacard(p));
        for (Placard *p = GetFirstAllowedPlacardPointer_Output(out); p; p = GetNextAllowedPlacardPointer_Output(out))
            option.allowed.push_back(readPlacard(p));
        for (Marking *m = GetFirstMarkingPointer_Output(out); m; m = GetNextMarkingPointer_Output(out))
            option.markings.push_back(readMarking(m));
        option.messages = readMessages(out);
        report.options.push_back(std::move(option));
    }
    report.currentOption = currentOption >= 0 && currentOption < count ? currentOption : 0;
    report.legality = GetLegality_Engine(engine);
    report.permit = permitVerdict(load);
    return report;
}

} // namespace velmora::reports
