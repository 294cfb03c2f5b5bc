// The shipping-paper element report: whole cell texts for representative
// items, built from their facts.
#include "inspection/spa_element.h"

#include "inspection_fixture.h"

#include "dravlen.h"

#include <gtest/gtest.h>

namespace {

using dravlen::ItemFacts;
using dravlen::LoadItemFacts;
using dravlen::SpaElement;

const std::string H = "<a href=\"viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=";

ItemFacts FlammableLiquid()
{
    ItemFacts f;
    f.pid = 631;
    f.id = "UN1203";
    f.psn = "Gasoline";
    f.hazDivs = {"3"};
    f.packingGroup = 2;
    f.weightPounds = f.weightOwnUnit = 500;
    return f;
}

TEST(SpaElement, CellsOfRepresentativeItems)
{
    const ItemFacts gasoline = FlammableLiquid();
    ItemFacts corrosive = FlammableLiquid();
    corrosive.pid = 100;
    corrosive.id = "UN2924";
    corrosive.psn = "Flammable liquids, corrosive, n.o.s. n.o.s.";
    corrosive.hazDivs = {"3", "8"};
    corrosive.limitedQuantity = true;
    ItemFacts ormd = FlammableLiquid();
    ormd.exemptionHeld[8] = true;
    ItemFacts bulkAmmonia = FlammableLiquid();
    bulkAmmonia.pid = 472;
    bulkAmmonia.id = "UN1005";
    bulkAmmonia.hazDivs = {"2.2"};
    bulkAmmonia.bulk = true;
    bulkAmmonia.weightPounds = bulkAmmonia.weightOwnUnit = 0;
    ItemFacts water = FlammableLiquid();
    water.symbols = "W";
    water.weightUnit = 1;
    water.weightOwnUnit = 227;

    struct Case {
        const char *name;
        const ItemFacts *item;
        int element;
        std::string expected;
    } const cases[] = {
        {"HM column", &gasoline, 0, "X"},
        {"ID", &gasoline, 1, "UN1203"},
        {"ORM-D ID", &ormd, 1, "ID8000"},
        {"ORM-D name", &ormd, 2, "Consumer Commodity"},
        {"name", &gasoline, 2, "Gasoline"},
        {"n.o.s. linked once", &corrosive, 2,
         "Flammable liquids, corrosive, " + H + "NOS.HTM\">n.o.s.</a> n.o.s."},
        {"class", &gasoline, 3, H + "DIV3.HTM\">3</a>"},
        {"class with subsidiary", &corrosive, 3,
         H + "DIV3.HTM\">3</a>, (" + H + "DIV8.HTM\">8</a>)"},
        {"division", &bulkAmmonia, 3, H + "DIV22.HTM\">2.2</a>"},
        {"packing group", &gasoline, 4, "II"},
        {"no additional description", &gasoline, 5, "&nbsp;"},
        {"limited quantity", &corrosive, 5, "<p>" + H + "LTDQTY3.HTM\">Ltd Qty</a></p>"},
        {"anhydrous ammonia in bulk", &bulkAmmonia, 5,
         "<p>" + H + "INHAZ.HTM\">Inhalation Hazard</a></p><p>" + H +
             "UN1005.HTM\">0.2 PERCENT WATER <b><i>or</i></b> NOT FOR Q and T TANKS</a></p>"},
        {"pounds", &gasoline, 6, "500&nbsp;lbs."},
        {"kilograms", &water, 6, "227&nbsp;kgs."},
        {"bulk package", &bulkAmmonia, 6, "Bulk Package"},
        {"emergency phone", &gasoline, 7,
         "<p><i>" + H + "EMRPHONE.HTM\">Emergency response telephone number</a></i></p>"},
        {"limited quantity, no phone", &corrosive, 7, "&nbsp;"},
        {"no notes", &gasoline, 8, "&nbsp;"},
        {"water hazmat", &water, 8, "<p>" + H + "WATER.HTM\">This is a water hazmat.</a></p>"},
        {"no element 9", &gasoline, 9, ""},
    };
    const LoadItemFacts alone;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SpaElement(*c.item, alone, c.element), c.expected);
    }
}

TEST(SpaElement, LongMatchListsAreNotCut)
{
    ItemFacts item = FlammableLiquid();
    for (int i = 0; i < 150; ++i)
        item.marinePollutantMatches.push_back({"Pollutant " + std::to_string(i), i == 149});
    LoadItemFacts load;
    load.cannotCoLoadWith = {"UN1830", "UN1789"};
    const std::string notes = SpaElement(item, load, 8);
    EXPECT_NE(notes.find("<li>Pollutant 149 (severe marine pollutant)</li></ul></p>"),
              std::string::npos);
    EXPECT_NE(notes.find("<p><font color=\"red\"><b>This hazmat cannot be co-loaded with UN1830, "
                         "UN1789.</b></font></p>"),
              std::string::npos);
}

TEST(SpaElement, LoadLevelParagraph)
{
    EXPECT_EQ(dravlen::SpaLoadParagraph(false, false), "");
    EXPECT_EQ(dravlen::SpaLoadParagraph(true, true),
              "<p>" + H + "EUSHIP.HTM\">Exclusive Use Shipment</a></p>\n");
    EXPECT_EQ(dravlen::SpaLoadParagraph(false, true), "<p>" + H + "EU.HTM\">Exclusive Use</a></p>\n");
}

TEST(SpaElement, ExportedLayoutsAndRanges)
{
    Engine *engine = Alloc_Engine();
    Init_Engine(engine);
    Load *load = GetLoad_Engine(engine);
    Hazmat h;
    Init_Hazmat(&h, 631);
    Add_Load(load, &h);
    Reset_Hazmat(&h, 0);
    char *id = GetSPAElement_Vehicle(load, 0, 0, 1);
    char *idLayout1 = GetSPAElement_Vehicle(load, 0, 1, 3);
    char *nameLayout1 = GetSPAElement_Vehicle(load, 0, 1, 1);
    char *name = GetSPAElement_Vehicle(load, 0, 0, 2);
    char *paragraph = GetSPAElement_Vehicle(load, -1, 0, 0);
    ASSERT_NE(id, nullptr);
    EXPECT_STREQ(id, "UN1203");
    EXPECT_STREQ(idLayout1, id);
    EXPECT_STREQ(nameLayout1, name);
    // 172.101(c)(1): the italic words of UN1203 are no part of its name.
    EXPECT_STREQ(name, "Gasoline");
    EXPECT_STREQ(paragraph, "");
    EXPECT_EQ(GetSPAElement_Vehicle(load, 1, 0, 1), nullptr);
    EXPECT_EQ(GetSPAElement_Vehicle(load, 0, 0, 9), nullptr);
    for (char *p : {id, idLayout1, nameLayout1, name, paragraph})
        qv_free(p);
    Destroy_Engine(engine);
    qv_free(engine);
}

} // namespace

// Element 8 on a real truckload: the segregation table's do-not-load and
// the 385.403 permit code reach the notes.
struct SpaElementLoad : InspectionFixture {
    std::string Notes(int item)
    {
        char *text = GetSPAElement_Vehicle(load, item, 0, 8);
        std::string s = text ? text : "";
        qv_free(text);
        return s;
    }
};

TEST_F(SpaElementLoad, CoLoadingAndPermitNotesComeFromTheLoad)
{
    const int gasoline = AddItem(631);
    // Phosgene, Division 2.3 hazard zone A: 177.848(d) forbids it with
    // Class 3, and 385.403(c) may require a permit for zone A.
    const int phosgene = AddItem(SearchCT_HazData("UN1076", 2, 0), [](Hazmat *h) { SetHazardZone_Hazmat(h, 'A'); });
    ASSERT_EQ(gasoline, 0);
    ASSERT_EQ(phosgene, 1);
    EXPECT_NE(Notes(0).find("cannot be co-loaded with UN1076.</b>"), std::string::npos) << Notes(0);
    EXPECT_NE(Notes(1).find("cannot be co-loaded with UN1203.</b>"), std::string::npos) << Notes(1);
    EXPECT_EQ(HazmatNeedsPermit_Load(load, 1), 4);
    EXPECT_NE(Notes(1).find("doc=PERMIT3.HTM\">permit</a> might be required"), std::string::npos) << Notes(1);
    EXPECT_EQ(Notes(0).find("permit"), std::string::npos);
}

// Element 8, exemption notes keyed by PID: each stands for the entry that
// carries the special provision or that the part 173 section governs, and a
// 172.102 note is given only where the entry carries its provision.
TEST_F(SpaElementLoad, ExemptionNotesFollowTheirEntries)
{
    struct Case {
        int pid;
        const char *excerpt;  // null: no exemption note
    };
    const Case cases[] = {
        {825, "cite=49cfr172.102(34)"},    // UN1454 calcium nitrate, SP 34
        {1479, "cite=49cfr172.102(140)"},  // UN2315 PCBs, liquid, SP 140
        {1480, "cite=49cfr172.102(140)"},  // UN3432 PCBs, solid, SP 140
        {181, "cite=49cfr172.102(125)"},   // UN0143 nitroglycerin, SP 125
        {1875, "cite=49cfr173.159(e)"},    // UN2794 wet batteries
        {1882, "cite=49cfr173.164(e)"},    // UN3506 mercury in articles
        {2280, "cite=49cfr173.189"},       // UN3292 sodium batteries
        {2365, "cite=49cfr173.166(d)"},    // UN0503 safety devices
        {1716, nullptr},                   // xenon, refrigerated: no SP 125
        {1386, nullptr},                   // chloronitroanilines: no SP 125
        {2530, nullptr},                   // UN2810 toxic liquid, organic: no mercury note
        {1460, nullptr},                   // UN2334 allylamine: no PCB note
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pid);
        ASSERT_TRUE(HasPID_HazData(c.pid));
        const int at = AddItem(c.pid);
        const std::string notes = Notes(at);
        if (c.excerpt)
            EXPECT_NE(notes.find(c.excerpt), std::string::npos) << notes;
        else
            EXPECT_EQ(notes.find("exemption"), std::string::npos) << notes;
    }
}
