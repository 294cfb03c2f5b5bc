#include "truckload/item_questions.h"

#include "dravlen.h"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

// Item-specific questions.  Each decides an exemption of 49 CFR or a
// reclassification; the citation is where the user can read the condition.
const DialogQuestion kQuestions[] = {
    {1, "Is this a liquid?", ""},
    {2, "Is this hazmat at or below 25.3 psig and stored in insulated packaging?", "49 CFR 173.320"},
    {3, "Has this hazmat been reclassified as combustible?", "49 CFR 173.120(b)(2)"},
    {4, "Does this LSA radioactive require a radioactive placard?", "49 CFR 172.504(e)"},
    {5, "Does this SCO radioactive require a radioactive placard?", "49 CFR 172.504(e)"},
    {6, "Is this radioactive a highway route controlled quantity?", "49 CFR 172.403(c)"},
    {7, "Does this shipment meet the exception requirements of this citation?", "49 CFR 173.159(d)"},
    {8, "Does this shipment meet the exception requirements of this citation?", "49 CFR 173.159(e)"},
    {9, "Does this meet all of the exception provisions of this citation?", "49 CFR 173.309"},
    {10, "Is this hazmat offered or intended by transportation by aircraft?", "49 CFR 172.101(b)(2)"},
    {11, "Is this hazmat offered or intended by transportation by vessel?", "49 CFR 172.101(b)(6)"},
    {12, "Is this hazmat offered or intended by transportation by aircraft or vessel?", "49 CFR 172.102(b)"},
    {13, "Is this hazmat formed to a specific shape (e.g., prills, granules, pellets, pastilles, or flakes)?",
     "49 CFR 172.102(30)"},
    {14, "Does this hazmat meet the definition of a flammable liquid?", "49 CFR 172.102(151)"},
    {15, "Is this hazmat in a binder material or contained in manufactured products?", "49 CFR 172.102(156)"},
    {16, "Is this material fissile exempt?", "49 CFR 173.453"},
    {17, "Is this leaded gasoline?", ""},
    {18, "Does this meet all of the exception provisions of this citation?", "49 CFR 173.307(a)"},
    {19, "Does this meet all of the exception provisions of this citation?", "49 CFR 173.199"},
    {20, "Is this being shipped in a Cargo Tank or a Portable Tank (other than an IBC)?", "49 CFR 172.504(f)(2)"},
    {21, "Does this shipment meet the exception requirements of this citation?", "49 CFR 172.102(188)"},
    {22, "Does this shipment meet the exception requirements of this citation?", "49 CFR 172.102(189)"},
    {23, "Does this shipment meet the exception requirements of this citation?", "49 CFR 172.102(190)"},
    {24, "Is this a non-odorized liquefied petroleum gas?", "49 CFR 172.328(e)"},
    {25, "Is this contained in a lab pack in accordance with these citations?", "49 CFR 173.12(b), 49 CFR 173.12(e)"},
    {26, "Does this package bear a Yellow III label?", "49 CFR 172.403(b)"},
    {27, "Is this material exempt from displaying the Marine Pollutant Marking?", "49 CFR 171.4(c), 49 CFR 172.322(d)"},
    {28, "Does this shipment meet the exception requirements of this citation?", "49 CFR 172.102(338)"},
    {30, "Does this material meet the requirements of 173.226(f)?", "49 CFR 173.226(f)"},
    {31, "Does this material meet the requirements of 173.151(e)?", "49 CFR 173.151(e)"},
    {32, "Is this item in a 4BW240 cylinder or DOT-51, with only Class 3, 8, or 4.1 PGII or III and carrier has "
         "satisfactory rating?",
     "49 CFR 172.102(380)"},
    {33, "Does this material meet the exception requirements of this citation?", "49 CFR 172.102(B131)"},
    {34, "Does the shipment comply with 49 CFR 173.154(b) and (b)(1)", "49 CFR 173.154(b), 49 CFR 173.154(b)(1)"},
    {35, "Does the shipment comply with 49 CFR 173.154(b) and (b)(2)", "49 CFR 173.154(b), 49 CFR 173.154(b)(2)"},
    {36, "Is a \"Corrosive\" subsidiary risk label required for this hazmat?", "49 CFR 173.225(c)(8)"},
    {37, "Does this material meet the special provision requirements of this citation?", "49 CFR 172.102(396)"},
};

// Questions that only read or write one exemption code (Part of 49 CFR
// named by the citation): question -> exemption.
struct ExemptionQuestion {
    int question;
    unsigned exemption;
};
const ExemptionQuestion kExemptionQuestions[] = {
    {2, 3},   {7, 1},   {8, 2},   {9, 7},   {13, 9},  {14, 10}, {15, 11}, {16, 12}, {17, 13}, {18, 14},
    {19, 15}, {20, 16}, {21, 17}, {22, 18}, {23, 19}, {28, 23}, {30, 25}, {31, 26}, {32, 27}, {33, 29},
    {34, 31}, {35, 31}, {36, 32}, {37, 34},
};

unsigned exemptionOf(int question)
{
    for (const auto &e : kExemptionQuestions)
        if (e.question == question)
            return e.exemption;
    return 0;
}

bool allowed(const Hazmat *item, const Load *load, unsigned exemption)
{
    return IsExemptionAllowedForLoad_Hazmat(item, exemption, load) != 0;
}

bool same(const char *a, const char *b) { return a && b && std::strcmp(a, b) == 0; }

} // namespace

const DialogQuestion *dialogQuestion(int number)
{
    for (const auto &q : kQuestions)
        if (q.number == number)
            return &q;
    return nullptr;
}

QStringList citationLinks(const QString &citation)
{
    if (citation.isEmpty())
        return {};
    return citation.split(QStringLiteral(", "));
}

bool isRegulationLink(const QString &link) { return link.startsWith(QStringLiteral("49 CFR ")); }

QString regulationKey(const QString &link)
{
    QString key = link;
    key.remove(QLatin1Char(' '));
    return key;
}

uint32_t tenthsFromText(const QString &text)
{
    constexpr uint32_t kCap = 9999;
    uint32_t whole = 0;
    int i = 0;
    const int n = static_cast<int>(text.size());
    for (; i < n && text[i].isDigit(); ++i)
        whole = std::min<uint32_t>(whole * 10 + static_cast<uint32_t>(text[i].digitValue()), 100000);
    int first = -1, second = -1;
    if (i < n) {
        if (text[i] != QLatin1Char('.'))
            return 0;
        ++i;
        for (int d = 0; i < n; ++i, ++d) {
            if (!text[i].isDigit())
                return 0;
            if (d == 0)
                first = text[i].digitValue();
            else if (d == 1)
                second = text[i].digitValue();
        }
    }
    uint32_t tenths = whole * 10;
    if (first >= 0)
        tenths += static_cast<uint32_t>(first) + (second > 4 ? 1u : 0u);
    return std::min(tenths, kCap);
}

QString tenthsText(uint32_t tenths)
{
    return QString::number(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10);
}

std::optional<uint32_t> wholeWeight(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    uint64_t v = 0;
    for (const QChar c : text) {
        if (!c.isDigit())
            return std::nullopt;
        v = v * 10 + static_cast<uint64_t>(c.digitValue());
        if (v > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<uint32_t>(v);
}

bool isClass7WithLabels(const Hazmat *item)
{
    const CTRec *row = GetCTRec_HazData(GetPID_Hazmat(item));
    if (!row)
        return false;
    const int slot = GetPackingGroup_Hazmat(item);
    const char *cls = GetElement_CTRec(row, -1, 2, 0);
    if (!cls || !*cls)
        cls = GetElement_CTRec(row, slot < 0 ? 0 : slot, 5, 0);
    return same(cls, "7") && slot >= 0 && HasLabelCodes_CTRec(row, slot);
}

bool offersQuestion30(const Hazmat *item)
{
    return same(GetHazDivString_Hazmat(item, 0), "6.1") && GetPackingGroup_Hazmat(item) == 1 &&
           GetHazardZone_Hazmat(item) == 'A' && GetPhysicalState_Hazmat(item) == 'L';
}

bool offersQuestion20(const Hazmat *item, const BoxStates &boxes)
{
    return ReclassedToCombustible_Hazmat(item) && boxes.bulk && !boxes.elevatedTemperature;
}

bool offersQuestion25(const Hazmat *item, const BoxStates &boxes)
{
    return IsLabPackExemptionAllowed_Hazmat(item) && boxes.hazardousWaste && !boxes.bulk;
}

std::vector<int> questionsForPackingGroup(const Hazmat *item, const Load *load, const BoxStates &boxes)
{
    std::vector<int> q;
    const CTRec *row = GetCTRec_HazData(GetPID_Hazmat(item));
    if (!row)
        return q;
    const int slot = GetPackingGroup_Hazmat(item);
    const bool corrosive = same(GetHazDivString_Hazmat(item, 0), "8");
    // 173.154(b): limited quantities of Class 8, packing groups II and III.
    if (corrosive && slot == 2 && IsLimitedQuantityAllowed_CTRec(row, slot))
        q.push_back(34);
    else if (corrosive && slot == 3 && IsLimitedQuantityAllowed_CTRec(row, slot))
        q.push_back(35);
    if (!FixedPhysicalState_Hazmat(item) && slot >= 0 &&
        (HasElement_CTRec(row, slot, 5, "8") ||
         (HasElement_CTRec(row, slot, 5, "6.1") && IsHazardZoneAllowed_Hazmat(item, 'A'))))
        q.push_back(1);
    if (allowed(item, load, 3))
        q.push_back(2);
    if (allowed(item, load, 7))
        q.push_back(9);
    if (IsCombustibleAllowed_Hazmat(item) && !boxes.elevatedTemperature)
        q.push_back(3);
    if (isClass7WithLabels(item)) {
        if (IsLSA_Hazmat(item))
            q.push_back(4);
        else if (IsSCO_Hazmat(item))
            q.push_back(5);
        q.push_back(IsHRCQAllowed_Hazmat(item) ? 6 : 26);
    }
    if (IsLPG_Hazmat(item))
        q.push_back(24);
    for (int n : {7, 8, 13, 14, 15, 16, 17, 18, 19, 21, 22, 23, 28, 30, 31, 32, 33, 37, 36})
        if (allowed(item, load, exemptionOf(n)))
            q.push_back(n);
    const bool air = HasSymbol_Hazmat(item, 'A') != 0, vessel = HasSymbol_Hazmat(item, 'W') != 0;
    if (air && vessel)
        q.push_back(12);
    else if (air)
        q.push_back(10);
    else if (vessel)
        q.push_back(11);
    if (boxes.marinePollutant || IsMarinePollutant_Hazmat(item))
        q.push_back(27);
    if (offersQuestion25(item, boxes))
        q.push_back(25);
    return q;
}

void applyAnswer(Hazmat *item, const Load *load, int question, bool yes)
{
    switch (question) {
    case 1: SetPhysicalState_Hazmat(item, yes ? 'L' : 'N'); return;
    case 3: ReclassifyToCombustible_Hazmat(item, yes ? -1 : 0); return;
    case 4: SetLSA_Hazmat(item, yes ? -1 : 0); return;
    case 5: SetSCO_Hazmat(item, yes ? -1 : 0); return;
    case 6: SetRadiationClassification_Hazmat(item, yes ? 'H' : 'N'); return;
    case 26: SetRadiationClassification_Hazmat(item, yes ? '3' : 'N'); return;
    // 172.102(b): the code is held when the material does NOT go by air/vessel.
    case 10: SetExemptionForLoad_Hazmat(item, 4, yes ? 0 : -1, load); return;
    case 11: SetExemptionForLoad_Hazmat(item, 5, yes ? 0 : -1, load); return;
    case 12: SetExemptionForLoad_Hazmat(item, 6, yes ? 0 : -1, load); return;
    case 24: SetNonOdorizedLPG_Hazmat(item, yes ? -1 : 0); return;
    case 25: SetLabPackExemption_Hazmat(item, yes ? -1 : 0); return;
    case 27: SetMarinePollutantExemption_Hazmat(item, yes ? -1 : 0); return;
    case 20: SetExemption_Hazmat(item, 16, yes ? -1 : 0); return;
    default:
        if (const unsigned e = exemptionOf(question))
            SetExemptionForLoad_Hazmat(item, e, yes ? -1 : 0, load);
        return;
    }
}

bool answerFromItem(const Hazmat *item, const Load *load, int question)
{
    switch (question) {
    case 1: return GetPhysicalState_Hazmat(item) == 'L';
    case 3: return same(GetHazDivString_Hazmat(item, 0), "COMB");
    case 4: return GetLSA_Hazmat(item) != 0;
    case 5: return GetSCO_Hazmat(item) != 0;
    case 6: return GetRadiationClassification_Hazmat(item) == 'H';
    case 26: return GetRadiationClassification_Hazmat(item) == '3';
    case 10: return !HasExemption_Hazmat(item, 4);
    case 11: return !HasExemption_Hazmat(item, 5);
    case 12: return !HasExemption_Hazmat(item, 6);
    case 24: return GetNonOdorizedLPG_Hazmat(item) != 0;
    case 25: return GetLabPackExemption_Hazmat(item) != 0;
    case 27: return IsMarinePollutantExempt_Hazmat(item) != 0;
    case 20: return HasExemption_Hazmat(item, 16) != 0;
    default:
        if (const unsigned e = exemptionOf(question))
            return HasExemptionForLoad_Hazmat(item, e, load) != 0;
        return false;
    }
}

bool QuestionSlots::offer(int question)
{
    if (contains(question) || count() >= kSlots)
        return false;
    slots_.push_back({question, Answer::None});
    return true;
}

bool QuestionSlots::remove(int question)
{
    const auto it = std::find_if(slots_.begin(), slots_.end(), [&](const Slot &s) { return s.question == question; });
    if (it == slots_.end())
        return false;
    slots_.erase(it);
    return true;
}

bool QuestionSlots::contains(int question) const
{
    return std::any_of(slots_.begin(), slots_.end(), [&](const Slot &s) { return s.question == question; });
}

QuestionSlots::Answer QuestionSlots::answerOf(int question) const
{
    for (const auto &s : slots_)
        if (s.question == question)
            return s.answer;
    return Answer::None;
}

void QuestionSlots::setAnswer(int question, Answer a)
{
    for (auto &s : slots_)
        if (s.question == question)
            s.answer = a;
}

int QuestionSlots::firstUnanswered() const
{
    for (int i = 0; i < count(); ++i)
        if (slots_[static_cast<size_t>(i)].answer == Answer::None)
            return i;
    return -1;
}

} // namespace velmora
