#include "inspection/spa_element.h"

#include "dravlen.h"
#include "inspection/item_facts.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace dravlen {

namespace {

const std::string kHelp = "viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=";

std::string HelpOpen(const char *page) { return "<a href=\"" + kHelp + page + "\">"; }

std::string HelpLink(const char *page, const char *text)
{
    return HelpOpen(page) + text + "</a>";
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool ContainsNoCase(const std::string &text, const char *word)
{
    return Lower(text).find(Lower(word)) != std::string::npos;
}

// Wraps the first occurrence of word (any letter case, possibly inside a
// longer word) in a link; later occurrences stay as they are.
void LinkWord(std::string &text, const char *word, const char *page)
{
    const std::size_t at = Lower(text).find(Lower(word));
    if (at == std::string::npos)
        return;
    const std::size_t n = std::strlen(word);
    text = text.substr(0, at) + HelpOpen(page) + text.substr(at, n) + "</a>" + text.substr(at + n);
}

bool IdIn(const ItemFacts &item, std::initializer_list<const char *> ids)
{
    for (const char *id : ids) {
        if (item.id == id)
            return true;
    }
    return false;
}

HazDiv Parse(const std::string &code)
{
    HazDiv hd;
    Init_HazDiv(&hd, code.c_str());
    return hd;
}

int PrimaryClass(const ItemFacts &item)
{
    if (item.hazDivs.empty())
        return 0;
    const HazDiv hd = Parse(item.hazDivs[0]);
    return GetClass_HazDiv(&hd);
}

std::string HmColumn(const ItemFacts &item)
{
    return item.hazardousSubstance ? HelpLink("RADIORQ.HTM", "RQ") : "X";
}

constexpr int kOrmD = 8;              // consumer commodity (ORM-D), 173.144
constexpr int kFissileExcepted = 12;  // 173.453
constexpr int kLeadedGasoline = 13;
constexpr int kEmergencyContact = 15; // 173.199
constexpr int kSpecialProvision396 = 34;

std::string IdNumber(const ItemFacts &item)
{
    if (item.Holds(kOrmD))
        return "ID8000";
    return item.id.empty() ? "&nbsp;" : item.id;
}

std::string ShippingName(const ItemFacts &item)
{
    std::string text;
    if (item.Holds(kOrmD)) {
        text = "Consumer Commodity";
    } else {
        // 172.202(a)(2), 172.101(c)(1): the shipping name is the roman
        // type of column 2, the one the item names; italic words are no
        // part of it.
        text = item.romanPsn.empty() ? item.psn : item.romanPsn;
        if (item.bulk && item.residue)
            text = HelpLink("RESIDUE.HTM", "RESIDUE: Last Contained * * * ") + text;
    }
    LinkWord(text, "n.o.s.", "NOS.HTM");
    const std::string hot = HelpLink("HOT.HTM", "HOT") + " ";
    if (item.pid == 61 || item.pid == 1291)
        text = hot + text;
    else if (item.liquid && item.elevatedTemperature && !ContainsNoCase(text, "molten") &&
             !ContainsNoCase(text, "elevated temperature"))
        text = hot + text;
    if (item.nonOdorizedLPG)
        text = HelpLink("NONLPG.HTM", "Non-odorized") + " " + text;
    if (item.PrimaryIs("7")) {
        LinkWord(text, "special form", "SPECFORM.HTM");
        LinkWord(text, "lsa", "LSA.HTM");
        LinkWord(text, "sco", "SCO.HTM");
    }
    if (item.hazardousWaste) {
        if (ContainsNoCase(item.psn, "waste"))
            LinkWord(text, "waste", "WASTE.HTM");
        else
            text = HelpLink("WASTE.HTM", "WASTE") + " " + text;
        text += " (<i>" + HelpLink("WASTESTR.HTM", "Waste stream") + "</i>)";
    }
    if (item.HasSymbol('G')) {
        if (item.PrimaryIs("6.2") && IdIn(item, {"UN2814", "UN2900"})) {
            text += " (" + HelpLink("TECHNFCT.HTM", "suspected Category A infectious substance") + ")";
        } else {
            text += " (<i>" + HelpLink("TECHNAME.HTM", "Technical name(s)");
            const char *including = "including technical name of the toxic constituent";
            if (item.hazardClassColumnToxic)
                text += " " + HelpLink("TOXICCON.HTM", including) + "</i>)";
            else if (item.marinePollutant && IdIn(item, {"UN3077", "UN3082"}))
                text += " " + HelpLink("TECHMP441.HTM", including) + "</i>)";
            else if (item.marinePollutant)
                text += " " + HelpLink("TECHMP.HTM", including) + "</i>)";
            else
                text += "</i>)";
        }
    }
    return text;
}

std::string HazardClassCode(const ItemFacts &item, const std::string &code)
{
    if (code == "COMB" && item.pid != 54)
        return "Combustible liquid";
    std::string link = "<a href=\"" + kHelp + "DIV";
    if (item.pid == 54)
        return link + "CNR.HTM\">Combustible liquid</a>";
    const HazDiv hd = Parse(code);
    const int cls = GetClass_HazDiv(&hd);
    char buf[64];
    if (cls == 1 || cls == 3 || cls == 7 || cls == 8 || cls == 9)
        std::snprintf(buf, sizeof buf, "%d.HTM\">", cls);
    else
        std::snprintf(buf, sizeof buf, "%d%d.HTM\">", cls, GetDivision_HazDiv(&hd));
    return link + buf + code + "</a>";
}

std::string HazardClass(const ItemFacts &item)
{
    if (item.hazDivs.empty())
        return "&nbsp;";
    std::string text;
    for (std::size_t i = 0; i < item.hazDivs.size(); ++i) {
        if (i == 1)
            text += ", (";
        else if (i > 1)
            text += ", ";
        text += HazardClassCode(item, item.hazDivs[i]);
    }
    if (item.hazDivs.size() > 1)
        text += ")";
    return text;
}

std::string PackingGroup(const ItemFacts &item)
{
    switch (item.packingGroup) {
    case 1: return "I";
    case 2: return "II";
    case 3: return "III";
    default: return "";
    }
}

std::string Paragraph(const std::string &inner) { return "<p>" + inner + "</p>"; }

std::string AdditionalDescription(const ItemFacts &item)
{
    std::string text;
    char buf[64];
    if (item.Holds(kFissileExcepted)) {
        text += Paragraph(HelpLink("FISSILEX.HTM", "Fissile Excepted"));
    } else if (item.needsCSI) {
        std::snprintf(buf, sizeof buf, " %u.%u", item.csi / 10, item.csi % 10);
        text += Paragraph(HelpLink("CSI.HTM", "CSI") + buf);
    }
    if (item.PrimaryIs("7"))
        text += Paragraph(HelpLink("RADIONUC.HTM", "Radionuclide(s)"));
    if (item.limitedQuantity) {
        const HazDiv hd = item.hazDivs.empty() ? HazDiv{} : Parse(item.hazDivs[0]);
        const int cls = GetClass_HazDiv(&hd);
        if (cls == 4)
            std::snprintf(buf, sizeof buf, "4%d.HTM\">Ltd Qty</a></p>", GetDivision_HazDiv(&hd));
        else
            std::snprintf(buf, sizeof buf, "%d.HTM\">Ltd Qty</a></p>", cls);
        text += "<p><a href=\"" + kHelp + "LTDQTY" + buf;
    }
    if (item.radiationClassification == 'H')
        text += Paragraph(HelpLink("HRCQ.HTM", "Highway Route Controlled Quantity"));
    if ((item.pid == 472 || item.pid == 2331) && !item.limitedQuantity) {
        text += Paragraph(HelpLink("INHAZ.HTM", "Inhalation Hazard"));
    } else if (item.poisonInhalation && !item.limitedQuantity) {
        std::snprintf(buf, sizeof buf, "Poison-Inhalation Hazard, Zone %c", item.hazardZone);
        text += Paragraph(HelpLink("PIH.HTM", buf));
    }
    if (item.PrimaryIs("5.2"))
        text += "<p>(<i>" + HelpLink("CONCEN.HTM", "Organic Peroxide Concentration") + "</i>)</p>";
    if (item.bulk && item.id == "UN1005")
        text += Paragraph(
            HelpLink("UN1005.HTM", "0.2 PERCENT WATER <b><i>or</i></b> NOT FOR Q and T TANKS"));
    if (item.bulk &&
        IdIn(item, {"UN1075", "UN1069", "UN1078", "UN1077", "UN1055", "UN1012", "UN1011"}))
        text += Paragraph(
            HelpLink("UN1075.HTM", "NONCORROSIVE <b><i>or</i></b> NOT FOR Q and T TANKS"));
    if (item.marinePollutant)
        text += Paragraph(HelpLink("MARINEPO.HTM", "Marine Pollutant"));
    if (item.pid == 516)
        text += "<p><a href=\"quarvel cite=49cfr173.308(d)\">LAA**** <b><i>or</i></b> T* * *</a></p>";
    return text.empty() ? "&nbsp;" : text;
}

std::string Quantity(const ItemFacts &item)
{
    std::string text;
    if (item.bulk && item.weightPounds == 0)
        text = "Bulk Package";
    else
        text = std::to_string(item.weightOwnUnit) + (item.weightUnit == 0 ? "&nbsp;lbs." : "&nbsp;kgs.");
    if (item.needsNetExplosiveMass)
        text += "<BR>" + HelpLink("NEM.HTM", "(Net&nbsp;Explosive&nbsp;Mass)");
    return text;
}

std::string OtherEntries(const ItemFacts &item)
{
    std::string text;
    // 172.604: emergency response telephone number.
    bool phone;
    if (item.id == "UN3497")
        phone = item.packingGroup != 3;
    else if (IdIn(item, {"UN3171", "UN1845", "UN2969", "ID8000", "UN3529", "UN3528", "UN3530",
                         "UN2216", "UN3358", "UN3166"}))
        phone = false;
    else
        phone = !item.limitedQuantity && !item.exceptedQuantity;
    if (phone)
        text += "<p><i>" + HelpLink("EMRPHONE.HTM", "Emergency response telephone number") + "</i></p>";
    if (item.Holds(kSpecialProvision396))
        text += Paragraph(HelpLink("sp396.HTM", "Transport in accordance with special provision 396"));
    if (item.PrimaryIs("7")) {
        if (ContainsNoCase(item.psn, "special form"))
            text += "<p><i>" + HelpLink("PHYSDESC.HTM", "Physical / Chemical Description") + "</i></p>";
        text += "<p><i>" + HelpLink("ACTUNITS.HTM", "Activity Units") + "</i>, <i>" +
                HelpLink("CUSUNITS.HTM", "Customary Units") + "</i></p>";
        static const char *const kLabels[] = {"", "<p>WHITE-I</p>", "<p>RADIOACTIVE YELLOW-II</p>",
                                              "<p>RADIOACTIVE YELLOW-III</p>"};
        if (item.radioactiveLabel >= 1 && item.radioactiveLabel <= 3)
            text += kLabels[item.radioactiveLabel];
        if (item.exclusiveUse)
            text += "<p>Exclusive Use</p>";
        text += "<p><i>" + HelpLink("RADPIM1.HTM", "Package Identification Marking") +
                " (may be required)</i></p>";
        text += "<p><i>" + HelpLink("RADPIM2.HTM", "International Package Identification Marking") +
                " (may be required)</i></p>";
    }
    // Self-reactive materials and organic peroxides (173.224, 173.225).
    const bool approval = (item.id > "UN3220" && item.id < "UN3241") || item.PrimaryIs("5.2");
    if (approval)
        text += "<p><i>A " + HelpLink("APPROVAL.HTM", "statement of approval") +
                " may be required.</i></p>";
    if ((item.id.size() == 6 && ((item.id > "UN3110" && item.id < "UN3121") ||
                                 (item.id > "UN3230" && item.id < "UN3241"))) ||
        item.pid == 2587 || item.pid == 2585)
        text += "<p><i>" + HelpLink("TEMPCONT.HTM", "Temperature controlled information") +
                "</i></p>";
    if (approval)
        text += "<p><i>The word " + HelpLink("SAMPLE.HTM", "\"SAMPLE\"") + " may be required.</i></p>";
    if (item.pid == 516)
        text += "<p><i>The word " + HelpLink("SAMPLE2.HTM", "\"SAMPLE\"") + " may be required.</i></p>";
    // 173.319(d): holding time of cryogenic liquids.
    if (IdIn(item, {"UN1003", "UN1038", "UN1073", "UN1913", "UN1951", "UN1961", "UN1963",
                    "UN1966", "UN1970", "UN1972", "UN1977", "UN2186", "UN2187", "UN2201",
                    "UN2591", "UN3136", "UN3138", "UN3158", "UN3311", "UN3312", "NA1961",
                    "NA9202"}))
        text += "<p><i>" + HelpLink("HOLDTIME.HTM", "Holding time end date") +
                " may be required.</i></p>";
    // 172.320: EX numbers of explosives.
    if (item.id == "UN0503")
        text += "<p><i>" + HelpLink("EXNUM2.HTM", "EX number") + "</i></p>";
    else if (PrimaryClass(item) == 1)
        text += "<p><i>An " + HelpLink("EXNUM.HTM", "EX number") +
                " may be required for this hazmat.</i></p>";
    return text.empty() ? "&nbsp;" : text;
}

// Whether the entry's column 7 lists special provision `code` in any of its
// packing-group slots.
bool EntryHasSpecialProvision(int pid, const char *code)
{
    const CTRec *row = GetCTRec_HazData(pid);
    if (!row)
        return false;
    for (int slot = 0; slot <= 3; ++slot)
        if (HasPackingGroup_CTRec(row, slot) && HasElement_CTRec(row, slot, 6, code))
            return true;
    return false;
}

std::string ExemptionNote(int pid)
{
    struct Note {
        std::initializer_list<int> pids;
        const char *section; // or null when text is given
        const char *text;
    };
    static const Note kNotes[] = {
        {{17, 741}, "172.102(30)", nullptr},
        {{19}, "172.102(137)", nullptr},
        {{64, 181, 1386, 1716}, "172.102(125)", nullptr},
        {{301, 302}, nullptr,
         "<p>The word \"Agents\" may be used instead of \"Explosives\" when approved by the "
         "Associate Administrator.</p>"},
        {{719}, "172.102(59)", nullptr},
        {{825}, "172.102(34)", nullptr},
        {{1352}, "172.102(132)", nullptr},
        {{1384}, "172.102(54)", nullptr},
        {{1479, 1480}, "172.102(140)", nullptr},
        {{1621}, "172.102(28)", nullptr},
        {{1875}, "173.159(e)", nullptr},
        {{1878}, "173.162(c)", nullptr},
        {{1881, 1882}, nullptr,
         "<p>Two exemptions (<a href=\"quarvel cite=49cfr173.164(b)\">1</a>, <a "
         "href=\"quarvel cite=49cfr173.164(e)\">2</a>) exist for this hazmat.</p>"},
        {{1922}, "172.102(A53)", nullptr},
        {{2052}, "173.150(d)", nullptr},
        {{2071, 2072, 2073}, "173.185", nullptr},
        {{2227}, "172.102(38)", nullptr},
        {{2235}, "172.102(66)", nullptr},
        {{2252, 2365}, "173.166(d)", nullptr},
        {{2254}, "172.102(43)", nullptr},
        {{2280, 2281}, "173.189", nullptr},
    };
    for (const Note &note : kNotes) {
        if (std::find(note.pids.begin(), note.pids.end(), pid) == note.pids.end())
            continue;
        // A note citing a special provision of 172.102 applies only where
        // the entry carries that provision: of the PIDs listed for
        // provision 125 only UN0143 carries it in any edition at hand.
        if (note.section && std::strncmp(note.section, "172.102(", 8) == 0) {
            const std::string code(note.section + 8, std::strlen(note.section) - 9);
            if (!EntryHasSpecialProvision(pid, code.c_str()))
                continue;
        }
        if (note.text)
            return note.text;
        return std::string("<p>An <a href=\"quarvel cite=49cfr") + note.section +
               "\">exemption</a> exists for this hazmat.</p>";
    }
    return std::string();
}

std::string Notes(const ItemFacts &item, const LoadItemFacts &load)
{
    std::string text;
    // 172.101 Appendix B: marine pollutants.
    std::vector<MarinePollutantMatch> marine = item.marinePollutantMatches;
    if (item.exemptionAllowed[kLeadedGasoline] && !item.Holds(kLeadedGasoline))
        marine.clear();
    if (!marine.empty() && !item.marinePollutant) {
        const char *list = "<a href=\"quarvel /cgi-bin/qvget.cgi?db=HM181&doc=00090052.HTM\">List of "
                           "Marine Pollutants</a>";
        if (item.bulk)
            text += std::string("<p>Warning: This hazmat was found in the ") + list +
                    " and should be identified as a Marine Pollutant.</p>";
        else
            text += std::string("<p>This hazmat was found in the ") + list +
                    " and should be identified as a Marine Pollutant if any of this shipment is "
                    "by vessel.</p>";
        text += "<p>List of Marine Pollutant table matches:</p><p><ul>";
        for (const MarinePollutantMatch &m : marine)
            text += "<li>" + m.name + (m.severe ? " (severe marine pollutant)" : "") + "</li>";
        text += "</ul></p>";
    }
    // 172.101 Appendix A: hazardous substances and reportable quantities.
    const auto &substances = item.hazardousSubstanceMatches;
    if (!substances.empty() && !item.hazardousSubstance) {
        unsigned smallest = 0;
        for (const HazardousSubstanceMatch &m : substances) {
            if (smallest == 0 || (m.reportableQuantity != 0 && m.reportableQuantity < smallest))
                smallest = m.reportableQuantity;
        }
        if (item.bulk && item.weightPounds >= smallest)
            text += "<p><font color=\"red\">Warning: You did not indicate that this bulk package "
                    "hazmat is a hazardous substance, but its weight exceeds the reportable "
                    "quantity. Please verify that this is not a hazardous substance.</font></p>";
        else
            text += "<p>Possible <a href=\"quarvel /cgi-bin/qvget.cgi?db=HM181&doc=000901G9.HTM\">HMT "
                    "CERCLA Table</a> match.</p>";
        text += "<p>List of Hazardous Substance table matches:</p><p><ul>";
        for (const HazardousSubstanceMatch &m : substances)
            text += "<li>" + m.name + " (" + std::to_string(m.reportableQuantity) +
                    " lbs. Reportable Quantity)</li>";
        text += "</ul></p>";
    }
    // 177.848: items that may not travel with this one.
    if (!load.cannotCoLoadWith.empty()) {
        text += "<p><font color=\"red\"><b>This hazmat cannot be co-loaded with ";
        for (std::size_t i = 0; i < load.cannotCoLoadWith.size(); ++i)
            text += (i ? ", " : "") + load.cannotCoLoadWith[i];
        text += ".</b></font></p>";
    }
    // 385.403: hazmat safety permits.
    switch (load.permitCode) {
    case 1: case 3: case 5: case 8: case 9: case 10: case 11:
        text += "<p>A " + HelpLink("PERMIT1.HTM", "permit") + " is required to carry this hazmat.</p>";
        break;
    case 2: case 4: case 6: case 7: {
        const char *page = load.permitCode == 2   ? "PERMIT2.HTM"
                           : load.permitCode == 4 ? "PERMIT3.HTM"
                           : load.permitCode == 6 ? "PERMIT4.HTM"
                                                  : "PERMIT5.HTM";
        text += "<p>A " + HelpLink(page, "permit") + " might be required to carry this hazmat.</p>";
        break;
    }
    default:
        break;
    }
    text += ExemptionNote(item.pid);
    if (!item.hazardousSubstance && !item.hazardousWaste && !item.marinePollutant) {
        if (item.PrimaryIs("COMB") && !item.bulk)
            text += "<p>An <a href=\"quarvel cite=49cfr173.150(f)(2)\">exemption</a> exists for this hazmat.</p>";
        if (item.HasSymbol('A') && item.HasSymbol('W'))
            text += Paragraph(HelpLink("AIRWATER.HTM", "This is an air / water hazmat."));
        else if (item.HasSymbol('A'))
            text += Paragraph(HelpLink("AIR.HTM", "This is an air hazmat."));
        else if (item.HasSymbol('W'))
            text += Paragraph(HelpLink("WATER.HTM", "This is a water hazmat."));
        else if (item.Holds(kEmergencyContact))
            text += "<p>An <a href=\"quarvel cite=49cfr173.199\">exemption</a> exists for this "
                    "hazmat.</p><p>This hazmat requires the name and telephone number of an <a "
                    "href=\"quarvel cite=49cfr173.199(a)(7)\">emergency technical contact</a> on a "
                    "written document (such as an air waybill or bill of lading) or on the outer "
                    "packaging.</p>";
    }
    return text.empty() ? "&nbsp;" : text;
}

} // namespace

std::string SpaElement(const ItemFacts &item, const LoadItemFacts &load, int element)
{
    switch (element) {
    case 0: return HmColumn(item);
    case 1: return IdNumber(item);
    case 2: return ShippingName(item);
    case 3: return HazardClass(item);
    case 4: return PackingGroup(item);
    case 5: return AdditionalDescription(item);
    case 6: return Quantity(item);
    case 7: return OtherEntries(item);
    case 8: return Notes(item, load);
    default: return std::string();
    }
}

std::string SpaLoadParagraph(bool exclusiveUseShipment, bool exclusiveUse)
{
    if (exclusiveUseShipment)
        return Paragraph(HelpLink("EUSHIP.HTM", "Exclusive Use Shipment")) + "\n";
    if (exclusiveUse)
        return Paragraph(HelpLink("EU.HTM", "Exclusive Use")) + "\n";
    return std::string();
}

} // namespace dravlen

using namespace dravlen;

namespace {

char *Copy(const std::string &text)
{
    char *copy = static_cast<char *>(std::malloc(text.size() + 1));
    if (copy)
        std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

} // namespace

extern "C" DRAVLEN_API char *GetSPAElement_Vehicle(Load *load, int item, int layout, int element)
{
    if (item == -1)
        return Copy(SpaLoadParagraph(IsExclusiveUseShipment_Load(load) != 0, IsExclusiveUse_Load(load) != 0));
    if (item < 0 || static_cast<uint32_t>(item) >= load->itemCount)
        return nullptr;
    if (layout == 1 && element >= 1 && element <= 3)
        element = element == 3 ? 1 : element + 1; // name, class, ID order
    if (element < 0 || element > 8)
        return nullptr;
    const Hazmat *h = &load->items[item];
    const ItemFacts facts = ReadItemFacts(h);
    if (facts.exemptFromShippingPaper)
        return nullptr;
    return Copy(SpaElement(facts, ReadLoadItemFacts(load, static_cast<uint32_t>(item)), element));
}
