#include "compliance/verdict.h"

#include "frontend/compliance_vocabulary.h"

#include "dravlen.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace velmora {

namespace {

constexpr int kDoNotLoad = 1, kIndefinite = 3, kPermitRequired = 5, kPossiblePermit = 6;

// The first finding of a type and how many more there are (repeats merged).
VerdictLine lineFrom(const std::vector<MessageEntry> &messages, int type, const QString &headline)
{
    VerdictLine line{headline, {}, {}, {}, 0};
    for (const FindingGroup &g : groupFindings(messages)) {
        if (g.type != type || g.findings.empty())
            continue;
        const MessageEntry &m = g.findings.front();
        line.reason = findingSummary(m, 300);
        line.citation = m.citation;
        line.citationText = findingCitation(m);
        line.moreFindings = static_cast<int>(g.findings.size()) - 1;
    }
    return line;
}

bool sameFinding(const MessageEntry &a, const MessageEntry &b)
{
    const bool sameItems = (a.id1 == b.id1 && a.id2 == b.id2) || (a.id1 == b.id2 && a.id2 == b.id1);
    return a.type == b.type && a.code == b.code && sameItems && a.reason == b.reason;
}

} // namespace

namespace {

// A reason's leading "[UN1076, UN1203]" and "49 CFR 177.848(d), (e)(2): "
// (its items and its citation), which the findings show apart.
struct ReasonParts {
    QString citation;   // without the colon, "" when none
    QString rest;
};

ReasonParts splitReason(const QString &reason)
{
    QString text = QString(reason).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
    static const QRegularExpression lead(
        QStringLiteral("^(\\[[^\\]]*\\]\\s*)?((49 CFR\\s*)?[^:]{0,80}\\d[^:]{0,60}:\\s*)?"));
    const auto m = lead.match(text);
    ReasonParts parts;
    if (m.hasMatch() && m.capturedLength(2) > 0 && text.size() > m.capturedLength()) {
        parts.citation = m.captured(2).trimmed();
        parts.citation.chop(1);   // the colon
        parts.citation.remove(QChar(0x00A7)).replace(QStringLiteral("  "), QStringLiteral(" "));
        text = text.mid(m.capturedLength());
    } else if (m.hasMatch() && m.capturedLength(1) > 0) {
        text = text.mid(m.capturedLength(1));
    }
    parts.rest = text;
    return parts;
}

} // namespace

Verdict makeVerdict(int legality, const std::vector<MessageEntry> &messages)
{
    Verdict v;
    for (const FindingGroup &g : groupFindings(messages))
        v.findingCount += static_cast<int>(g.findings.size());
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
                          QStringLiteral("No segregation or loading rule forbids this truckload."), {}, {}, 0};
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
                        QStringLiteral("49CFR385.403"), {}, 0};
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

QString citationDisplay(const QString &citationKey)
{
    static const QRegularExpression key(QStringLiteral("^(\\d+)\\s*cfr\\s*(.+)$"), QRegularExpression::CaseInsensitiveOption);
    const auto m = key.match(citationKey.trimmed());
    return m.hasMatch() ? m.captured(1) + QStringLiteral(" CFR ") + m.captured(2) : citationKey;
}

QString findingSummary(const MessageEntry &f, int limit)
{
    QString items;
    if (!f.id1.isEmpty() && !f.id2.isEmpty())
        items = f.id1 + QStringLiteral(" and ") + f.id2 + QStringLiteral(": ");
    else if (!f.id1.isEmpty())
        items = f.id1 + QStringLiteral(": ");
    QString reason = splitReason(f.reason).rest;
    if (reason.size() > limit) {
        const bool wordEnds = reason.at(limit) == QLatin1Char(' ');
        reason.truncate(limit);
        const int space = reason.lastIndexOf(QLatin1Char(' '));
        if (!wordEnds && space > limit / 2)   // no half words
            reason.truncate(space);
        reason += QChar(0x2026);
    }
    return items + reason;
}

QString findingCitation(const MessageEntry &f)
{
    const QString cited = splitReason(f.reason).citation;
    if (cited.startsWith(QLatin1String("49 CFR")))
        return cited;
    return f.citation.isEmpty() ? QString() : citationDisplay(f.citation);
}

QStringList decidingFindings(int legality, const std::vector<MessageEntry> &messages, int limit)
{
    const int type = legality == 1 ? kDoNotLoad : legality == 2 ? kIndefinite : -1;
    QStringList out;
    for (const FindingGroup &g : groupFindings(messages)) {
        if (g.type != type)
            continue;
        for (const MessageEntry &f : g.findings) {
            if (out.size() == limit) {
                out << QStringLiteral("... and %1 more.").arg(static_cast<int>(g.findings.size()) - limit);
                break;
            }
            const QString cited = findingCitation(f);
            out << findingSummary(f) + (cited.isEmpty() ? QString() : QStringLiteral(" (") + cited + QLatin1Char(')'));
        }
    }
    return out;
}

QString decidingFindingsText(int legality, const std::vector<MessageEntry> &messages)
{
    const QStringList findings = decidingFindings(legality, messages);
    if (findings.isEmpty())
        return {};
    QString head = legality == 1 ? (findings.size() == 1 ? QStringLiteral("The rule it breaks:")
                                                         : QStringLiteral("The rules it breaks:"))
                                 : QStringLiteral("What cannot be determined:");
    return QStringLiteral("\n\n") + head + QStringLiteral("\n") + findings.join(QLatin1Char('\n'));
}

QString decidingFindingsText(Engine *engine)
{
    if (!engine)
        return {};
    return decidingFindingsText(GetLegality_Engine(engine), readOption(engine, 0).messages);
}

} // namespace velmora
