#include "compliance/verdict.h"

#include "frontend/compliance_vocabulary.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr int kDoNotLoad = 1, kIndefinite = 3, kPermitRequired = 5, kPossiblePermit = 6;

// The first message of a type and how many more there are.
VerdictLine lineFrom(const std::vector<MessageEntry> &messages, int type, const QString &headline)
{
    VerdictLine line{headline, {}, {}, 0};
    bool first = true;
    for (const MessageEntry &m : messages) {
        if (m.type != type)
            continue;
        if (first) {
            line.reason = m.reason;
            line.citation = m.citation;
            first = false;
        } else {
            ++line.moreFindings;
        }
    }
    return line;
}

bool sameFinding(const MessageEntry &a, const MessageEntry &b)
{
    const bool sameItems = (a.id1 == b.id1 && a.id2 == b.id2) || (a.id1 == b.id2 && a.id2 == b.id1);
    return a.type == b.type && a.code == b.code && sameItems && a.reason == b.reason;
}

} // namespace

Verdict makeVerdict(int legality, const std::vector<MessageEntry> &messages)
{
    Verdict v;
    switch (legality) {
    case 1:
        v.legality = Legality::Illegal;
        v.legalityLine = lineFrom(messages, kDoNotLoad, QStringLiteral("Illegal: this truckload may not travel as loaded."));
        break;
    case 2:
        v.legality = Legality::Undetermined;
        v.legalityLine = lineFrom(messages, kIndefinite,
                                  QStringLiteral("Cannot be determined: some rules need facts the truckload does not hold."));
        break;
    default:
        v.legality = Legality::Legal;
        v.legalityLine = {QStringLiteral("Legal: these items may travel together on this vehicle."),
                          QStringLiteral("No segregation or loading rule forbids this truckload."), {}, 0};
        break;
    }
    if (v.legalityLine.reason.isEmpty())   // the engine's legality without a finding to show
        v.legalityLine.reason = QStringLiteral("The findings below give the details.");

    if (std::any_of(messages.begin(), messages.end(), [](const MessageEntry &m) { return m.type == kPermitRequired; })) {
        v.permit = PermitAnswer::Needed;
        v.permitLine = lineFrom(messages, kPermitRequired,
                                QStringLiteral("A hazardous materials safety permit is required (49 CFR 385.403)."));
    } else if (std::any_of(messages.begin(), messages.end(),
                           [](const MessageEntry &m) { return m.type == kPossiblePermit; })) {
        v.permit = PermitAnswer::MayBeNeeded;
        v.permitLine = lineFrom(messages, kPossiblePermit,
                                QStringLiteral("A hazardous materials safety permit may be required (49 CFR 385.403)."));
    } else {
        v.permitLine = {QStringLiteral("No hazardous materials safety permit is needed."),
                        QStringLiteral("No item reaches a quantity or kind listed in 49 CFR 385.403."),
                        QStringLiteral("49CFR385.403"), 0};
    }
    return v;
}

std::vector<FindingGroup> groupFindings(const std::vector<MessageEntry> &messages)
{
    static const int order[] = {kDoNotLoad, kIndefinite, kPermitRequired, kPossiblePermit, 2, 0, 4};
    std::vector<FindingGroup> groups;
    for (int type : order) {
        FindingGroup g{type, QString::fromStdString(MessageHeading(type)), {}};
        for (const MessageEntry &m : messages) {
            if (m.type != type)
                continue;
            if (std::none_of(g.findings.begin(), g.findings.end(),
                             [&](const MessageEntry &seen) { return sameFinding(seen, m); }))
                g.findings.push_back(m);
        }
        if (!g.findings.empty())
            groups.push_back(std::move(g));
    }
    return groups;
}

} // namespace velmora
