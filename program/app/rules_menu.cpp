#include "app/rules_menu.h"

namespace velmora {

QString statusText(const std::optional<std::string> &status)
{
    return status ? QString::fromStdString(*status) : QString();
}

QString complianceTitle(const std::optional<std::string> &status)
{
    return QStringLiteral("Compliance Requirements (") + statusText(status) + QStringLiteral(")");
}

std::vector<RulesetFacts> activeRulesetFacts(HazmatLibrary &lib)
{
    std::vector<RulesetFacts> facts;
    const int n = lib.numActiveRulesets();
    for (int i = 0; i < n; ++i) {
        const int index = lib.activeRuleset(i);
        facts.push_back({index, lib.rulesetStatus(index), lib.rulesetDocket(index)});
    }
    return facts;
}

std::vector<RulesMenuEntry> buildRulesMenu(const std::vector<RulesetFacts> &facts, int currentRuleset)
{
    std::vector<RulesMenuEntry> entries;
    for (const auto &f : facts) {
        QString docket = f.docket ? fromLibraryText(*f.docket) : QString();
        docket.replace(QLatin1Char('&'), QStringLiteral("&&"));   // no mnemonic in a docket
        entries.push_back({f.index, statusText(f.status) + QStringLiteral(" Rules (") + docket + QStringLiteral(")"),
                           f.index == currentRuleset});
    }
    return entries;
}

bool switchRuleset(HazmatLibrary &lib, Prompts &prompts, int index)
{
    if (!lib.testRulesetConversion(index) &&
        prompts.show(PromptType::Confirmation, QString::fromLatin1(kRulesetConversionQuestion),
                     PromptButtons::YesNo) == PromptAnswer::No)
        return false;
    return lib.setRuleset(index);
}

} // namespace velmora
