// The answer the compliance view gives first: whether the truckload may go
// (legal, illegal, or cannot be determined) and whether it needs a hazmat
// safety permit, each with the finding that decides it; and the findings
// themselves grouped under headings, most serious first, repeats merged.
#pragma once

#include "compliance/compliance_results.h"

#include <QString>
#include <vector>

namespace velmora {

enum class Legality { Legal = 0, Illegal = 1, Undetermined = 2 };
enum class PermitAnswer { NotNeeded, MayBeNeeded, Needed };

struct VerdictLine {
    QString headline;   // "Illegal: this truckload may not travel as loaded."
    QString reason;     // the deciding finding's reason, or why none applies
    QString citation;   // its citation key, empty when none
    QString citationText;   // the paragraphs as the finding names them
    int moreFindings = 0;   // further findings of the same kind
};

struct Verdict {
    Legality legality = Legality::Legal;
    PermitAnswer permit = PermitAnswer::NotNeeded;
    VerdictLine legalityLine;
    VerdictLine permitLine;
    int findingCount = 0;   // distinct findings listed below the verdict
};

// The verdict from the engine's legality (0 legal, 1 illegal, 2 cannot be
// determined) and the messages of the computation.  An illegal load is
// explained by its first "Do Not Load" finding, an undetermined one by its
// first "Indefinite" finding; the permit answer by the "Permit Required" or
// "Possible Permit" findings.
Verdict makeVerdict(int legality, const std::vector<MessageEntry> &messages);

struct FindingGroup {
    int type = 0;        // message type
    QString heading;     // "Do Not Load", "Indefinite", ...
    std::vector<MessageEntry> findings;
};

// The messages grouped by type, most serious first (Do Not Load,
// Indefinite, Permit Required, Possible Permit, Segregate, Radiation,
// Information); within a group a finding that repeats another (same code,
// same items in either order, same reason) is shown once.
std::vector<FindingGroup> groupFindings(const std::vector<MessageEntry> &messages);

// "49cfr177.848(d)" -> "49 CFR 177.848(d)"; other texts unchanged.
QString citationDisplay(const QString &citationKey);

// What a finding's line says: the items ("UN1076 and UN1203", "UN1076") or
// nothing, then the reason without its leading item list and citation,
// shortened to about `limit` characters.
QString findingSummary(const MessageEntry &finding, int limit = 150);
// The paragraphs a finding cites as its reason names them ("49 CFR
// 177.848(d), (e)(2)"), else its citation key as read ("49 CFR 177.848(d)"),
// else nothing.
QString findingCitation(const MessageEntry &finding);

// The findings that decide a legality (1: the "Do Not Load" ones, 2: the
// "Indefinite" ones), merged, each as "summary (citation)"; at most `limit`
// of them, then how many more.  Empty for a legal load or none found.
QStringList decidingFindings(int legality, const std::vector<MessageEntry> &messages, int limit = 3);

// What a warning before a change adds to say why: for a load made illegal
// "\n\nThe rule it breaks:" (or "rules") and the deciding findings, one a
// line; for a load whose legality cannot be determined "\n\nWhat cannot be
// determined:" and its findings.  Empty when there is no such finding.
QString decidingFindingsText(int legality, const std::vector<MessageEntry> &messages);

// The same for the current computation of an engine (its first option).
QString decidingFindingsText(Engine *engine);

} // namespace velmora
