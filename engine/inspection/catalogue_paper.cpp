// Shipping-paper audit questions (49 CFR 172.200-172.205, 177.817): the
// load-level "Global" list and the list of each item, chosen by the
// item's regulatory facts.
#include "inspection/catalogue.h"
#include "inspection/question.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace dravlen {

const char kTopShipping[] = "Shipping";

namespace {

constexpr int kMcTc330 = 17;
constexpr int kMcTc331 = 18;
constexpr int kFissileExcepted = 12; // exemption: fissile excepted, 173.453

bool ContainsNoCase(const std::string &text, const char *word)
{
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find(word) != std::string::npos;
}

bool IdIn(const ItemFacts &item, std::initializer_list<const char *> ids)
{
    for (const char *id : ids) {
        if (item.id == id)
            return true;
    }
    return false;
}

class Builder {
public:
    Builder(QuestionList *list, const char *group) : list_(list), group_(group) {}

    Question *Top(int32_t id, const char *text, const char *citation)
    {
        Question *q = NewQuestion(id, kTopShipping, group_, text, citation);
        if (q)
            AppendTopLevel(list_, q);
        return q;
    }

    void Child(int32_t id, int32_t parentId, int32_t hideWhen, const char *text,
               const char *citation)
    {
        if (Question *q = NewQuestion(id, kTopShipping, group_, text, citation))
            AppendChild(list_, parentId, hideWhen, q);
    }

private:
    QuestionList *list_;
    const char *group_;
};

// 49 CFR 173.156 / 172.315: the limited-quantity page of the item's class.
const char *LimitedQuantityLink(const ItemFacts &item)
{
    struct Rule {
        std::initializer_list<const char *> classes;
        const char *link;
    };
    static const Rule kRules[] = {
        {{"2.1", "2.2", "2.3"}, "LTDQTY2.HTM"}, {{"3"}, "LTDQTY3.HTM"},
        {{"4.1"}, "LTDQTY41.HTM"},              {{"4.3"}, "LTDQTY43.HTM"},
        {{"5.1", "5.2"}, "LTDQTY5.HTM"},        {{"6.1"}, "LTDQTY6.HTM"},
        {{"7"}, "LTDQTY7.HTM"},                 {{"8"}, "LTDQTY8.HTM"},
        {{"9"}, "LTDQTY9.HTM"},
    };
    for (const Rule &rule : kRules) {
        for (const char *code : rule.classes) {
            if (item.HasClass(code))
                return rule.link;
        }
    }
    return nullptr;
}

} // namespace

void BuildLoadPaperList(QuestionList *list, bool allRadioactive)
{
    Builder b(list, "Global");
    b.Top(1, "Were the shipping papers readily available?", "177.817(e)");
    b.Top(2, "Are the shipping papers on a single page?", "");
    b.Child(3, 2, kYes, "Are the pages numbered with the total count on first page?", "172.201(c)");
    b.Top(4, "Are the shipping papers printed legibly in English?", "172.201(a)(2)");
    b.Top(5, "Is the Emergency Response information on or with the shipping papers?", "172.201(d)");
    b.Top(6, "Are the hazmats clearly distinguished from non-hazmats?", "172.201(a)(1)");
    b.Top(13, "If required, is the proper Shipper Certification shown?", "177.817(b)");
    b.Top(8, "Are the listings free of any illegal abbreviations or code?", "172.201(a)(3)");
    b.Top(9, "Are the Basic Descriptions in a proper sequence?", "172.202(b)");
    b.Top(7, "Have only hazardous materials been assigned ID numbers and/or hazard classes?",
          "172.202(e)");
    b.Top(19, "Are all of the proper shipping names correct?", "172.202(a)(2)");
    b.Top(18, "Does each hazmat have the correct hazard class shown?", "172.202(a)(3)");
    b.Top(10, "Is any additional information properly outside of the Basic Description?", "172.203");
    b.Top(14, "Does each hazmat have a total quantity correctly listed?", "172.202(a)(5)");
    b.Child(16, 14, kYes, "Do the total quantities appear on the shipping papers?", "172.202(a)(5)");
    b.Child(17, 16, kNo, "Are the total quantities listed in the appropriate location?", "172.202(c)");
    b.Top(15, "Does each hazmat correctly show the number and type of package?", "172.202(a)(7)");
    if (allRadioactive) {
        b.Top(11, "Are there materials on the load not consigned as exclusive use?", "172.203(d)(9)");
        b.Child(12, 11, kYes,
                "Does \"Exclusive Use Shipment\" appear in a clearly visible location?",
                "172.203(d)(9)");
    }
}

void BuildItemPaperList(QuestionList *list, const ItemFacts &item, const std::string &label,
                        int vehicleCode)
{
    Builder b(list, label.c_str());
    const bool cryogenicTank = vehicleCode == kMcTc330 || vehicleCode == kMcTc331;

    // (a) 172.203(n): elevated temperature materials.
    if (item.pid == 61 || item.pid == 1291 || ContainsNoCase(item.psn, "molten") ||
        ContainsNoCase(item.psn, "elevated temperature"))
        b.Top(27, "Does the PSN indicate that the material is of elevated temperature?", "172.203(n)");

    // (b) 172.203(b): limited quantities.
    if (item.limitedQuantity) {
        if (Question *q = b.Top(12,
                                "Does \"Limited Quantity\" or \"Ltd. Qty.\" follow the Basic "
                                "Description?",
                                "172.203(b)"))
            q->helpLink = LimitedQuantityLink(item);
    }

    // (c) 172.203(k): technical names of "G" entries.
    if (item.HasSymbol('G')) {
        if (item.PrimaryIs("6.1") && (item.packingGroupSlot[1] || item.packingGroupSlot[2]))
            b.Top(14, "Is the technical name of the toxic constituent in parentheses?", "172.203(k)");
        else if (item.PrimaryIs("6.2") && IdIn(item, {"UN2814", "UN2900"}))
            b.Top(15,
                  "Is \"suspected Category A infectious substance\" in parentheses in place of "
                  "technical name?",
                  "172.203(k)");
        else
            b.Top(13,
                  "Have the technical name(s) been added in parentheses in association with the "
                  "Basic Description?",
                  "172.203(k)");
    }

    // (d) 172.203(m): poison-inhalation hazard.
    if (item.poisonInhalation)
        b.Top(18,
              "Is \"Toxic-Inhalation Hazard\" or \"Poison-Inhalation Hazard\" and the hazard zone "
              "added in association with the Basic Description? ",
              "172.203(m)");

    // (e), (f) 172.203(h): anhydrous ammonia and liquefied petroleum gas
    // in MC 330 / MC 331 cargo tanks.
    if (item.id == "UN1005" && item.bulk && cryogenicTank)
        b.Top(20,
              "Is \"0.2 PERCENT WATER\" or \"NOT FOR Q and T TANKS\" added in association with "
              "Basic Description?",
              "172.203(h)(1)");
    if (IdIn(item, {"UN1011", "UN1012", "UN1055", "UN1075", "UN1077", "UN1969", "UN1978"}) &&
        cryogenicTank)
        b.Top(21,
              "Is \"NONCORROSIVE\", \"NONCOR\", or \"NOT FOR Q and T TANKS\" added in association "
              "with Basic Description?",
              "172.203(h)(2)");

    // (g) 172.203(c): hazardous substances.
    if (item.hazardousSubstance) {
        b.Top(29, "Is \"RQ\" printed before or after the Basic Description?", "172.203(c)(2)");
        b.Top(30, "Does the PSN identify the hazardous substance or substances by name?",
              "172.203(c)(1)");
    }

    // (h) 172.203(o): self-reactive materials and organic peroxides.
    if (item.HasClass("4.1") || item.HasClass("5.2")) {
        b.Top(67, "Does the listing comply with the requirements in 172.203(o)?", "172.203(o)");
        b.Child(34, 67, kYes, "Is the material exempt from competent authority approval?",
                "172.203(o)(1)");
        b.Child(35, 34, kYes,
                "Is there a statement of approval of the classification and conditions of "
                "transport?",
                "172.203(o)(1)");
        b.Child(36, 67, kYes, "Is the material free of temperature control during transport?",
                "172.203(o)(2)");
        b.Child(37, 36, kYes, "Are the control and emergency temperature included?", "172.203(o)(2)");
        b.Top(40,
              "Is the material exempt from requiring its actual concentration or concentration "
              "range?",
              "172.203(k)");
        b.Child(41, 40, kYes,
                "Is the actual concentration or concentration range listed in association with "
                "the Basic Description?",
                "172.203(k)");
    }

    // (i) 172.203(m), (k): poisonous materials.
    const bool poison = item.HasClass("6.1") || item.HasClass("6.2");
    if (poison && !item.poisonInhalation)
        b.Top(16, "Is \"toxic\" or \"poison\" added in association with Basic Description?",
              "172.203(m)");
    if (poison) {
        b.Top(66, "Is the technical name of the poisonous constituent in the PSN?", "172.203(k)");
        b.Child(17, 66, kYes, "Is technical name of poisonous constituent in parentheses?",
                "172.203(k)");
    }

    // (j) 172.203(d): radioactive material.
    if (item.HasClass("7")) {
        b.Top(43, "Does the listing include the name of each radionuclide?", "172.203(d)(1)");
        b.Top(44, "Does the listing include a description of the physical and chemical form?",
              "172.203(d)(2)");
        b.Top(45,
              "Does the listing include the activity contained in each package in terms of the "
              "appropriate SI units?",
              "172.203(d)(3)");
        b.Top(46, "Does the listing include the category of label applied to each package?",
              "172.203(d)(4)");
        b.Top(47, "Is the material free of YELLOW-II and YELLOW-III labels?", "172.203(d)(5)");
        b.Child(48, 47, kYes, "Does the listing include the transport index?", "172.203(d)(5)");
        if (item.Holds(kFissileExcepted))
            b.Top(49,
                  "Does the listing include \"Fissile Excepted\" in association with the Basic "
                  "Description?",
                  "172.203(d)(6)(i)");
        else
            b.Top(50, "Does the listing include the criticality safety index?", "172.203(d)(6)(ii)");
        b.Top(51, "Is the material exempt from U.S. DOE or U.S. NRC approval?", "172.203(d)(7)");
        b.Child(52, 51, kYes, "Is there a notation of the package identification marking?",
                "172.203(d)(7)");
        b.Top(53, "Is the commodity for domestic shipment in a domestically made package?",
              "172.203(d)(8)");
        b.Child(54, 53, kYes, "Is there a notation of the package identification marking?",
                "172.203(d)(8)");
        if (item.exclusiveUse)
            b.Top(55, "Is the material clearly indicated as consigned as exclusive use?",
                  "172.203(d)(10)");
        if (item.hrcqAllowed)
            b.Top(56,
                  "Is \"Highway route controlled quantity\" or\"HRCQ\" written in association "
                  "with the Basic Description?",
                  "172.203(d)(10)");
    }

    // (k) 172.203(l): marine pollutants.
    if (item.marinePollutant) {
        b.Top(22, "Is \"Marine Pollutant\" added in association with the Basic Description?", "");
        b.Top(23,
              "Is the component or components making the material a Marine Pollutant indicated "
              "in the PSN?",
              "172.203(l)(1)");
    }

    // (l) 172.203(p): non-odorized liquefied petroleum gas.
    if (item.nonOdorizedLPG)
        b.Top(69, "Is \"non-odorized\" written in association with the Basic Description?",
              "172.203(p)");

    // (m) 172.202(a)(4): packing group, unless the entry has none to show.
    if (!item.packingGroupSlot[0] && !item.HasClass("4.1") && !item.HasClass("5.2") &&
        !(!item.hazDivs.empty() && item.hazDivs[0].rfind("1", 0) == 0))
        b.Top(59, "Does the item have the proper Packing Group listing?", "172.202(a)(4)");
}

const char *LoadPaperDefaultLink(int32_t id)
{
    switch (id) {
    case 1: return "SPLOC.HTM";
    case 2: case 3: return "SPMULT.HTM";
    case 4: return "LEGIBLE.HTM";
    case 5: return "EMRPHONE.HTM";
    case 6: return "DISTING.HTM";
    case 7: return "NONHAZID.HTM";
    case 8: return "ABBREV.HTM";
    case 9: return "COLBD.HTM";
    case 10: return "COLAI.HTM";
    case 11: case 12: return "EUSHIP.HTM";
    case 13: return "SHIPCERT.HTM";
    case 14: case 15: case 16: case 17: return "QUANTITY.HTM";
    case 18: return "COLHC.HTM";
    case 19: return "COLSN.HTM";
    default: return "CHECK.HTM";
    }
}

const char *ItemPaperDefaultLink(int32_t id)
{
    switch (id) {
    case 12: return "LTDQTY.HTM";
    case 13: return "TECHNAME.HTM";
    case 14: case 17: return "TOXICCON.HTM";
    case 15: return "TECHNFCT.HTM";
    case 16: case 66: return "POISON.HTM";
    case 18: return "PIH.HTM";
    case 19: return "INHAZ.HTM";
    case 20: return "UN1005.HTM";
    case 21: return "UN1075.HTM";
    case 22: case 23: return "TECHMP.HTM";
    case 24: return "MARINEPO.HTM";
    case 25: case 26: case 27: case 28: case 68: return "HOT.HTM";
    case 29: return "RQ.HTM";
    case 30: case 31: case 32: case 33: return "HAZSUB.HTM";
    case 34: case 35: return "CAA.HTM";
    case 36: case 37: case 40: case 41: case 67: return "TEMPCONT.HTM";
    case 42: return "RADIOMAT.HTM";
    case 43: return "RADIONUC.HTM";
    case 44: return "PHYSDESC.HTM";
    case 45: return "ACTUNITS.HTM";
    case 46: return "RADLBLS.HTM";
    case 47: case 48: return "TRANSIDX.HTM";
    case 49: return "FISSILEX.HTM";
    case 50: return "CSI.HTM";
    case 51: case 52: return "RADPIM1.HTM";
    case 53: case 54: return "RADPIM2.HTM";
    case 55: return "EU.HTM";
    case 56: return "HRCQ.HTM";
    case 59: return "COLPG.HTM";
    case 60: case 61: case 62: return "COLQTY.HTM";
    case 64: return "COLBD.HTM";
    case 65: return "COLAI.HTM";
    default: return "CHECK.HTM";
    }
}

void ApplyDefaultLinks(QuestionList *list, const char *(*defaultLink)(int32_t))
{
    for (Question *q = list->head; q; q = NextInTree(q)) {
        if (!q->helpLink || !*q->helpLink)
            q->helpLink = defaultLink(q->id);
    }
}

} // namespace dravlen
