// The derived data of the embedded table against the regulation as in
// effect 2026-06-01 (ruleset 42): roman shipping names and their italic
// descriptions (172.101(c)(1)), the entries the PID-keyed rules mean, ERG
// guides of the explosives, CAS numbers of Table 302.4 substances and the
// reach of the Appendix B marine pollutants.  The counts are printed.
#include "dravlen.h"
#include "refdata/rulesets.h"
#include "refdata/store.h"
#include "table_in_force_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace dravlen;

namespace {

constexpr int kShippingNames = 14, kCas = 15, kDescriptions = 16;

std::vector<std::string> Elements(const CTRec *row, int slot, int code)
{
    std::vector<std::string> out;
    for (int i = 0; i < GetNumElements_CTRec(row, slot, code); ++i)
        out.push_back(GetElement_CTRec(row, slot, code, i));
    return out;
}

// A name compared as users type it: no case, punctuation or hyphens, no
// final "s" on a word.
std::string Normal(const std::string &name)
{
    std::string out, word;
    auto flush = [&] {
        if (word.size() > 3 && word.back() == 's' && word[word.size() - 2] != 's')
            word.pop_back();
        if (!word.empty())
            out += (out.empty() ? "" : " ") + word;
        word.clear();
    };
    for (unsigned char c : name) {
        if (std::isalnum(c))
            word += static_cast<char>(std::tolower(c));
        else
            flush();
    }
    flush();
    return out;
}

class RegulationData : public TableInForce {
protected:
    void SetUp() override
    {
        TableInForce::SetUp();
        for (int pid = 1; pid < 2608; ++pid)
            if (const CTRec *row = GetCTRec_HazData(pid))
                rows_.push_back(row);
    }
    const CTRec *Row(const char *id, const char *words = nullptr) const
    {
        for (const CTRec *row : rows_)
            if (std::strcmp(GetElement_CTRec(row, -1, 3, 0), id) == 0 && (!words || Query_CTRec(row, -1, 1, words)))
                return row;
        return nullptr;
    }
    std::string Erg(const CTRec *row) const
    {
        Hazmat item;
        Init_Hazmat(&item, GetPID_CTRec(row));
        const char *erg = GetErgNumber_Hazmat(&item);
        std::string out = erg ? erg : "";
        Reset_Hazmat(&item, 0);
        return out;
    }
    std::vector<const CTRec *> rows_;
};

TEST_F(RegulationData, RomanNamesAndDescriptions)
{
    struct Case {
        const char *id;
        const char *words;
        std::vector<std::string> names;
        std::vector<std::string> descriptions;
    };
    const Case cases[] = {
        {"UN1203", nullptr, {"Gasoline"},
         {"includes gasoline mixed with ethyl alcohol, with not more than 10% alcohol"}},
        {"UN1075", nullptr, {"Petroleum gases, liquefied", "Liquefied petroleum gas"}, {"", ""}},
        // "see also Petroleum gases, liquefied" refers to another entry.
        {"UN1978", nullptr, {"Propane"}, {""}},
        {"UN1972", nullptr, {"Methane, refrigerated liquid", "Natural gas, refrigerated liquid"},
         {"(cryogenic liquid)", "(cryogenic liquid, with high methane content)"}},
        {"UN1830", nullptr, {"Sulfuric acid"}, {"with more than 51 percent acid"}},
        {"UN2789", nullptr, {"Acetic acid, glacial", "Acetic acid solution"},
         {"", "with more than 80 percent acid, by mass"}},
        // An italic "or" inside "with or without" separates no names.
        {"UN2557", nullptr, {"Nitrocellulose, mixture with or without plasticizer, with or without pigment"},
         {"with not more than 12.6 percent nitrogen, by dry mass"}},
        {"UN1950", "non-flammable", {"Aerosols"}, {"non-flammable, (each not exceeding 1 L capacity)"}},
        {"UN3258", nullptr, {"Elevated temperature solid, n.o.s."}, {"at or above 240 C, see \u00A7" " 173.247(h)(4)"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        const CTRec *row = Row(c.id, c.words);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(Elements(row, -1, kShippingNames), c.names);
        EXPECT_EQ(Elements(row, -1, kDescriptions), c.descriptions);
    }
    // Column 2 keeps the italic words, marked.
    EXPECT_STREQ(GetElement_CTRec(Row("UN1978"), -1, 1, 0), "Propane, <I>see also</I> Petroleum gases, liquefied");
}

// The shipping-paper notes keyed by PID (172.102 special provisions and
// the sections of part 173) stand for the entries that carry them.
TEST_F(RegulationData, PidsOfTheNotesAreTheirEntries)
{
    struct Pin {
        int pid;
        const char *id;
        const char *words;
        const char *specialProvision;  // null: governed by a section
    };
    const Pin pins[] = {
        {825, "UN1454", "Calcium nitrate", "34"},
        {1352, "UN2071", "Ammonium nitrate based fertilizer", "132"},
        {1384, "UN2968", "Maneb", "54"},
        {1479, "UN2315", "Polychlorinated biphenyls, liquid", "140"},
        {1480, "UN3432", "Polychlorinated biphenyls, solid", "140"},
        {1922, "UN2857", "Refrigerating machines", "A53"},
        {181, "UN0143", "Nitroglycerin", "125"},
        {1875, "UN2794", "Batteries, wet, filled with acid", nullptr},   // 173.159(e)
        {1881, "UN2809", "Mercury", nullptr},                            // 173.164
        {1882, "UN3506", "Mercury contained in manufactured articles", nullptr},
        {2252, "UN3268", "Safety devices", nullptr},                     // 173.166
        {2365, "UN0503", "Safety devices, pyrotechnic", nullptr},
        {2280, "UN3292", "Batteries, containing sodium", nullptr},       // 173.189
        {2281, "UN3292", "Cells, containing sodium", nullptr},
    };
    for (const Pin &p : pins) {
        SCOPED_TRACE(p.pid);
        const CTRec *row = GetCTRec_HazData(p.pid);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(GetElement_CTRec(row, -1, 3, 0), p.id);
        EXPECT_TRUE(Query_CTRec(row, -1, 1, p.words));
        if (p.specialProvision) {
            bool carries = false;
            for (int slot = 0; slot <= 3; ++slot)
                carries = carries || (HasPackingGroup_CTRec(row, slot) && HasElement_CTRec(row, slot, 6, p.specialProvision));
            EXPECT_TRUE(carries) << "special provision " << p.specialProvision;
        }
    }
}

TEST_F(RegulationData, EveryExplosiveHasItsErgGuide)
{
    int explosives = 0;
    for (const CTRec *row : rows_) {
        const std::string cls = GetElement_CTRec(row, -1, 2, 0);
        if (cls.rfind("1.", 0) != 0)
            continue;
        ++explosives;
        // ERG 2024: Divisions 1.1, 1.2, 1.3, 1.5 Guide 112; 1.4, 1.6 Guide 114.
        const bool g114 = cls.compare(0, 3, "1.4") == 0 || cls.compare(0, 3, "1.6") == 0;
        EXPECT_EQ(Erg(row), g114 ? "114" : "112") << GetElement_CTRec(row, -1, 3, 0);
    }
    std::printf("explosive rows with an ERG guide: %d\n", explosives);
    EXPECT_GT(explosives, 300);
    EXPECT_EQ(Erg(Row("NA0027")), "112");
}

// UN1757 and UN3181 print packing group III twice; the line agreeing with
// PG II stands (engine/refdata/data/duplicate-lines.tsv).
TEST_F(RegulationData, PackingGroupPrintedTwice)
{
    EXPECT_EQ(Elements(Row("UN1757"), 3, 13), (std::vector<std::string>{"53", "58"}));
    const std::vector<std::string> sp = Elements(Row("UN3181"), 3, 6);
    EXPECT_NE(std::find(sp.begin(), sp.end(), "W31"), sp.end());
}

// Every Table 302.4 substance named like a table entry's roman name gives
// that entry its CAS number.
TEST_F(RegulationData, SubstancesNamedLikeAnEntryGiveItsCas)
{
    std::map<std::string, std::vector<const CTRec *>> byName;
    for (const CTRec *row : rows_)
        for (const std::string &n : Elements(row, -1, kShippingNames))
            byName[Normal(n)].push_back(row);
    int named = 0;
    for (int i = 0; const HSRec *s = GetHSRec_HazData(i); ++i) {
        const std::string cas = GetCAS_HSRec(s);
        auto it = byName.find(Normal(GetName_HSRec(s)));
        if (cas == "NA" || it == byName.end())
            continue;
        ++named;
        for (const CTRec *row : it->second) {
            const std::vector<std::string> list = Elements(row, -1, kCas);
            EXPECT_NE(std::find(list.begin(), list.end(), cas), list.end())
                << GetName_HSRec(s) << " " << cas << " on " << GetElement_CTRec(row, -1, 3, 0);
        }
    }
    std::printf("Table 302.4 substances named like a table entry: %d, all carrying their CAS\n", named);
    EXPECT_GT(named, 100);
}

// Every Appendix B record that names a table entry is reachable from an
// item: by the PID of its entry or by a CAS number some entry carries.
TEST_F(RegulationData, MarinePollutantsNamingAnEntryAreReachable)
{
    std::set<std::string> names, carried;
    std::set<int> pids;
    for (const CTRec *row : rows_) {
        pids.insert(GetPID_CTRec(row));
        for (const std::string &n : Elements(row, -1, kShippingNames))
            names.insert(Normal(n));
        for (const std::string &c : Elements(row, -1, kCas))
            carried.insert(c);
    }
    int records = 0, reachable = 0, namingEntry = 0;
    for (int i = 0; const MPRec *m = GetMPRec_HazData(i); ++i) {
        ++records;
        const char *cas = GetCAS_MPRec(m);
        const bool reach = (cas && carried.count(cas)) || pids.count(static_cast<int>(GetPID_MPRec(m)));
        reachable += reach;
        if (names.count(Normal(GetName_MPRec(m)))) {
            ++namingEntry;
            EXPECT_TRUE(reach) << GetName_MPRec(m);
        }
    }
    std::printf("marine pollutant records: %d, reachable by CAS or PID: %d, naming a table entry: %d\n", records,
                reachable, namingEntry);
    EXPECT_GE(reachable, 180);
}

} // namespace
