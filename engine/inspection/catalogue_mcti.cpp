// Motor cargo tank inspection questions (49 CFR 173.33, 178.337-178.348,
// 180.405 and the Part 393 vehicle equipment rules).  Each question cites
// the specification paragraph of the tank it is asked for.  The "78.3xx"
// citations name the retired MC 300-series specifications as saved
// inspection lists know them and are kept as written.
#include "inspection/catalogue.h"
#include "inspection/question.h"
#include "inspection/vehicles.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace dravlen {

const char kTopMCTI[] = "MCTI";
const char kGroupVehicleType[] = "Vehicle Type";

namespace {

// One citation and the vehicle codes that use it, e.g. "3-5,12,13,16".
struct CodedCitation {
    const char *citation;
    const char *codes;
};

struct MctiQuestion {
    int32_t id;
    const char *group;
    const char *text;
    std::initializer_list<CodedCitation> citations;
};

bool CodeListed(const char *codes, int code)
{
    const char *p = codes;
    while (*p) {
        char *end = nullptr;
        const long from = std::strtol(p, &end, 10);
        long to = from;
        p = end;
        if (*p == '-') {
            to = std::strtol(p + 1, &end, 10);
            p = end;
        }
        if (code >= from && code <= to)
            return true;
        if (*p == ',')
            ++p;
    }
    return false;
}

const MctiQuestion kQuestions[] = {
    {1, "", "Is the tank sealed properly (no leakage)?", {{"173.24(b)(1)", "2-19"}}},
    {2, "", "Is the tank properly supported, anchored and padded?",
     {{"178.345-6", "3-5"}, {"78.325-13", "10"}, {"78.326-13", "11"}, {"178.340-6", "12,13,16"},
      {"78.336-13(b)", "17"}, {"178.337-13", "18"}, {"178.338-13", "19"}}},
    {3, "",
     "Does the vehicle have either a shell thickness of at least 3/8 inch or circumferential "
     "reinforcement devices?",
     {{"178.345-7(d)(4)", "3-5"}, {"178.340-7(a)", "12,16"}}},
    {4, "",
     "Does the vehicle have either a capacity of 3000 gallons or less or circumferential "
     "reinforcement devices?",
     {{"78.321-5", "6"}, {"78.322-18", "7"}, {"78.323-5", "8"}, {"178.340-7(a)", "9"},
      {"78.325-5", "10"}, {"78.326-5", "11"}}},
    {5, "", "Does the vehicle have circumferential reinforcement devices?",
     {{"178.340-7(a)", "13"}, {"78.331-5", "15"}}},
    {6, "", "Are appurtenances designed and attached appropriately?",
     {{"178.345-6", "3-5"}, {"178.340-8(a)", "12,13,16"}}},
    {7, "", "Is there a rear bumper?",
     {{"178.345-8(d)", "3-5"}, {"178.340-8(b)", "12,13,16"}, {"178.337-10(d)", "18"},
      {"178.338-10(c)", "19"}}},
    {8, "", "Is the vehicle equipped with adequate overturn protection?",
     {{"178.345-8(c)", "3-5"}, {"78.321-7", "6"}, {"78.322-24", "7"}, {"78.323-7", "8"},
      {"178.340-8(c)", "9,12,13,16"}, {"78.325-7", "10"}, {"78.326-7", "11"}, {"78.331-7", "15"}}},
    {9, "", "Are all valves, fittings, relief devices adequately protected?",
     {{"178.345-8(a)(5)", "4,5"}, {"78.321-10", "6"}, {"78.322-23", "7"}, {"78.323-10", "8"},
      {"178.340-8(d)(1)", "9,12,13,16"}, {"78.325-10", "10"}, {"78.326-7", "11"},
      {"78.330-10", "14"}, {"78.331-10", "15"}, {"78.336-10", "17"}, {"178.337-10(a)", "18"},
      {"178.338-10(a)", "19"}}},
    {10, "", "Are all lower fittings protected with shear sections or guards?",
     {{"178.345-8(b)", "3"}, {"178.345-8(a)(5)", "4,5"}, {"78.321-12", "6"}, {"78.322-22", "7"},
      {"78.323-12", "8"}, {"178.340-8(a)", "9,13"}, {"78.325-12", "10"}, {"78.326-12", "11"},
      {"178.340-8(d)(1)", "12,16"}, {"78.330-12", "14"}, {"78.331-12", "15"},
      {"178.337-10(a)", "18"}, {"178.338-12", "19"}}},
    {11, "", "Are inlet and outlet valves appropriately marked?",
     {{"78.325-9(c)", "10"}, {"78.336-9(c)", "17"}, {"178.337-9(c)", "18"}}},
    {12, "", "Is there an excess-flow valve?",
     {{"78.325-11", "10"}, {"173.33(h)", "17"}, {"178.337-11(a)(2)", "18"}}},
    {13, "", "Does the vehicle meet minimum road clearance requirements?",
     {{"178.345-8(a)(5)", "3-5"}, {"178.340-8(d)(2)", "12,13,16"}, {"178.338-10(e)", "19"}}},
    {14, "", "Is the certification plate present with required information?",
     {{"178.345-14(c)", "3-5"}, {"78.321-17", "6"}, {"78.322-5", "7"}, {"78.323-17", "8"},
      {"178.340-10(b)", "9,12,13,16"}, {"78.325-17", "10"}, {"78.326-17", "11"},
      {"78.330-17(a)", "14"}, {"78.331-17", "15"}, {"78.336-17", "17"}, {"178.337-17(a)", "18"},
      {"178.338-18(b)", "19"}}},
    {15, "", "Does the shell material meet minimum requirements?",
     {{"173.33(a)", "3-5,9,12,13,16"}, {"78.321-2", "6"}, {"78.322-11", "7"}, {"78.323-2", "8"},
      {"78.325-2(c)", "10"}, {"78.326-2", "11"}, {"78.330-2(a)", "14"}, {"78.331-2(a)", "15"}}},
    {16, "",
     "Is the cargo tank less than 400 gallons or does it have a manhole at least 15 inches in "
     "diameter?",
     {{"178.345-5(a)", "3-5"}}},
    {17, "", "Are the manhole closures present and designed to meet minimum size requirements?",
     {{"177.834(j)", "3,5"}, {"178.345-10", "4"}, {"178.341-3(a)", "9,12"}, {"178.342-3", "13"},
      {"78.330-6", "14"}, {"78.331-6", "15"}, {"178.343-3", "16"}}},
    {18, "", "Does the vehicle have pressure relief vents?",
     {{"178.345-10", "3-5"}, {"78.321-9", "6"}, {"78.322-21", "7"}, {"78.323-9", "8"},
      {"178.341-4", "9,12"}, {"78.325-9", "10"}, {"78.326-9(a)", "11"}, {"178.342-4", "13"},
      {"178.343-4", "16"}, {"173.315(i)", "17"}, {"178.337-9", "18"}, {"178.338-8", "19"}}},
    {19, "", "Is there a self-closing internal shutoff valve?",
     {{"178.345-11(b)", "3,5"}, {"78.321-11", "6"}, {"78.322-19", "7"}, {"78.323-11", "8"},
      {"178.341-5(a)", "9,12"}, {"78.325-9", "10"}, {"78.326-11", "11"}, {"178.342-5(a)", "13"},
      {"78.330-8(b)", "14"}, {"78.331-8(b)", "15"}, {"178.343-5(b)(1)", "16"}}},
    {20, "",
     "Is the cargo tank equipped with a liquid discharge internal shutoff valve (if the cargo "
     "tank motor vehicle was certified before January 1, 1995, this requirement is applicable "
     "only when an MC 330 cargo tank is used to transport a flammable liquid, flammable gas, "
     "hydrogen chloride (refrigerated liquid), or anhydrous ammonia).",
     {{"173.33(g)", "17"}}},
    {21, "", "Depending on lading, is the cargo tank equipped with a liquid vapor internal shutoff valve?",
     {{"178.337-11(a)(2)", "18"}}},
    {22, "", "Does the vehicle have a fusible link?",
     {{"178.345-11(b)", "3-5"}, {"78.321-11", "6"}, {"78.322-21", "7"}, {"78.323-11", "8"},
      {"178.341-5(a)(1)", "9"}, {"78.326-11", "11"}, {"178.341-5(a)", "12"},
      {"178.342-5(a)(1)", "13"}, {"173.315(p)", "17"}, {"178.337-11(a)(2)", "18"},
      {"178.338-11(c)(1)", "19"}}},
    {23, "", "Is the vehicle equipped with a remote controlled shutoff valve?",
     {{"178.345-11(b)", "3-5"}, {"78.321-11", "6"}, {"78.322-21", "7"}, {"78.323-11", "8"},
      {"178.341-5(a)(2)", "9"}, {"78.326-11", "11"}, {"178.341-5(a)", "12"},
      {"178.342-5(a)(2)", "13"}, {"178.343-5(b)(1)", "16"}, {"173.33(g)", "17"},
      {"178.337-11(a)(2)", "18"}, {"178.338-11(c)", "19"}}},
    {24, "", "Are the valves closed?", {{"177.840(g)", "18"}}},
    {25, "", "Is the vehicle equipped with a pressure gauge?",
     {{"173.315(f)(7)", "17"}, {"178.337-8(a)(2)", "18"}, {"173.33(a)", "19"}}},
    {26, "", "Does the vehicle meet insulation requirements?", {{"173.33(a)", "16,18,19"}}},
    {27, "", "Does the vehicle meet lining requirements?",
     {{"78.330-2(b)", "14"}, {"78.331-2(d)", "15"}}},
    {28, "",
     "Are outlets located correctly (depending on contents) and built to appropriate standards?",
     {{"78.330-8", "14"}, {"78.331-8", "15"}, {"178.343-5(a)", "16"}}},
    {29, "", "Are installed vents provided with adequate means of closure?", {{"78.330-9", "14"}}},
    {30, "", "Are mechanical rupture devices in place, in the form of vents or rupture discs?",
     {{"78.331-9", "15"}}},
    {31, "", "Is the vehicle equipped with a manual shutoff valve?",
     {{"173.33(h)(3)", "17"}, {"178.337-11(b)", "18"}, {"178.338-11(b)", "19"}}},
    {32, "",
     "Is the cargo tank made of a non-tarnishing metal or painted with a white, aluminum or "
     "other reflective design?",
     {{"78.336-1(d)", "17"}, {"178.337-10(a)", "18"}}},
    {33, "", "Is the type of steel displayed (Either QT or NQT)?", {{"172.328(c)", "17,18"}}},
    {34, "Sides", "Does the vehicle have a spec plate and a data plate?", {{"178.337-17(a)", "18"}}},
    {35, "Sides", "Sidemarker Lights", {{"393.11", "3-5,12,13,16,18"}}},
    {36, "Sides", "Reflectors", {{"393.11", "3-5,12,13,16,18"}}},
    {37, "Sides", "Tires And Wheels", {{"393.75(a)", "3-5,12,13,16,18"}}},
    {38, "Sides", "Placard", {{"172.504(a)", "3-5,12,13,16,18"}}},
    {39, "Sides", "ID Number", {{"172.328(a)", "3-5,12,13,16,18"}}},
    {40, "Sides", "Test Date", {{"180.415(b)", "3-5,12,13,16,18"}}},
    {41, "Top", "Vents",
     {{"178.345-10", "3-5"}, {"178.341-4", "12"}, {"178.342-4", "13"}, {"178.343-4", "16"},
      {"178.337-9", "18"}}},
    {42, "Rear", "Taillights", {{"393.11", "3-5,12,13,16,18"}}},
    {43, "Rear", "Stop Lights", {{"393.11", "3-5,12,13,16,18"}}},
    {44, "Rear", "Turn Signals", {{"393.11", "3-5,12,13,16,18"}}},
    {45, "Rear", "4 Way Flashers", {{"393.11", "3-5,12,13,16,18"}}},
    {46, "Rear", "Clearance Lights", {{"393.11", "3-5,12,13,16,18"}}},
    {47, "Rear", "Identification Lights", {{"393.11", "3-5,12,13,16,18"}}},
    {48, "Rear", "Reflectors", {{"393.11", "3-5,12,13,16,18"}}},
    {49, "Rear", "Rear End Protection", {{"178.345-8(a)", "3-5,12,13,16,18"}}},
    {50, "Rear", "Placard", {{"172.504(a)", "3-5,12,13,16,18"}}},
    {51, "Rear", "ID Number", {{"172.328(a)", "3-5,12,13,16,18"}}},
    {52, "Front", "Clearance Lights", {{"393.11", "3-5,12,13,16,18"}}},
    {53, kGroupVehicleType, "Is this a vacuum loaded tank?", {}},
    {54, "Front", "Placard", {{"172.504(a)", "3-5,12,13,16,18"}}},
    {55, "Front", "ID Number", {{"172.328(a)", "3-5,12,13,16,18"}}},
    {56, "Bottom", "Valves and closures", {{"177.834(j)", "3-5,12,13,16,18"}}},
    {60, "", "Is the cargo tank equipped with appropriate shutoff valve equipment?",
     {{"178.345-11(b)", "4"}}},
    {61, "", "If required per the manufacture date, does this vehicle meet the ABS requirements?",
     {{"393.55(a)", "1-13,16,18,19"}}},
    {62, "", "Are the Emergency Shutoffs marked with lettering at least 0.75 inches tall?",
     {{"172.328(d)", "2-19"}}},
    {63, "", "Are Placards a minimum of 3 inches away from all other markings?",
     {{"172.516(c)(4)", "1-19"}}},
};

// The questions asked for each vehicle code, in list order.
const std::initializer_list<int32_t> kListByVehicle[kVehicleCount] = {
    /* 0 Unknown */ {},
    /* 1 Unit Load */ {61, 63},
    /* 2 Non-Spec Cargo Tank */ {1, 61, 62, 63},
    /* 3 DOT/TC 406 */
    {1, 2, 3, 6, 7, 8, 10, 13, 14, 15, 16, 17, 18, 19, 22, 23, 61, 62, 63, 35,
     36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 54, 55, 56},
    /* 4 DOT/TC 407 */
    {53, 1, 2, 3, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 60, 22, 23, 61, 62, 63,
     35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 54, 55, 56},
    /* 5 DOT/TC 412 */
    {53, 1, 2, 3, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19, 22, 23, 61, 62, 63,
     35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 54, 55, 56},
    /* 6 MC 300 */ {1, 4, 8, 9, 10, 14, 15, 18, 19, 22, 23, 61, 62, 63},
    /* 7 MC 301 */ {1, 4, 8, 9, 10, 14, 15, 18, 19, 22, 23, 61, 62, 63},
    /* 8 MC 302 */ {1, 4, 8, 9, 10, 14, 15, 18, 19, 22, 23, 61, 62, 63},
    /* 9 MC 303 */ {1, 4, 8, 9, 10, 14, 15, 17, 18, 19, 22, 23, 61, 62, 63},
    /* 10 MC 304 */ {1, 2, 4, 8, 9, 10, 14, 15, 18, 19, 11, 12, 61, 62, 63},
    /* 11 MC 305 */ {1, 2, 4, 8, 9, 10, 14, 15, 18, 19, 22, 23, 61, 62, 63},
    /* 12 MC/TC 306 */
    {1, 2, 3, 6, 7, 8, 9, 10, 13, 14, 15, 17, 18, 19, 22, 23, 61, 62, 63, 35,
     36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 54, 55, 56},
    /* 13 MC/TC 307 */
    {1, 2, 5, 6, 7, 8, 9, 10, 13, 14, 15, 17, 18, 19, 22, 23, 61, 62, 63, 35,
     36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 54, 55, 56},
    /* 14 MC 310 */ {1, 9, 10, 14, 15, 27, 17, 28, 29, 19, 62, 63},
    /* 15 MC 311 */ {1, 5, 8, 9, 10, 14, 15, 27, 17, 28, 30, 19, 62, 63},
    /* 16 MC/TC 312 */
    {1, 2, 3, 6, 7, 8, 9, 10, 13, 14, 15, 26, 17, 28, 18, 19, 23, 61, 62, 63, 35,
     36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 54, 55, 56},
    /* 17 MC/TC 330 */ {1, 2, 25, 12, 31, 32, 9, 18, 11, 20, 23, 22, 33, 14, 62, 63},
    /* 18 MC/TC 331 */
    {1, 2, 7, 10, 25, 12, 31, 26, 32, 9, 18, 11, 21, 23, 22, 14, 24, 33, 61, 62, 63, 34,
     35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 54, 55, 56},
    /* 19 MC/TC 338 */ {1, 2, 7, 25, 31, 26, 9, 18, 23, 22, 10, 13, 14, 61, 62, 63},
};

const MctiQuestion *FindQuestion(int32_t id)
{
    for (const MctiQuestion &q : kQuestions) {
        if (q.id == id)
            return &q;
    }
    return nullptr;
}

const char *CitationFor(const MctiQuestion &q, int code)
{
    for (const CodedCitation &c : q.citations) {
        if (CodeListed(c.codes, code))
            return c.citation;
    }
    return "";
}

} // namespace

void BuildMctiList(QuestionList *list, int vehicleCode)
{
    if (vehicleCode < 1 || vehicleCode >= kVehicleCount)
        return;
    for (int32_t id : kListByVehicle[vehicleCode]) {
        const MctiQuestion *entry = FindQuestion(id);
        if (!entry)
            continue;
        Question *q = NewQuestion(id, kTopMCTI, entry->group, entry->text,
                                  CitationFor(*entry, vehicleCode));
        if (q)
            AppendTopLevel(list, q);
    }
}

} // namespace dravlen
