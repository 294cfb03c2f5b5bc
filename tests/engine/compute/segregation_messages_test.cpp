// The segregation message table: severity, citation key and reason text of
// every code, and how a built message changes the load's legality.
#include "compute/messages.h"
#include "compute/output_build.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>

namespace dravlen {
namespace {

struct CodeCase {
    int code;
    int type;
    const char *citation;
    const char *excerpt;  // a phrase the reason must contain
    int sections;         // number of section signs
};

void PrintTo(const CodeCase &c, std::ostream *os) { *os << "code " << c.code; }

// Severity and citation per 49 CFR paragraph the message cites.
const CodeCase kCodes[] = {
    {1, 1, "49cfr177.848(d)", "may not be loaded, transported, or stored together", 0},
    {2, 2, "49cfr177.848(d)", "commingling of hazardous materials would not occur", 0},
    {6, 1, "49cfr177.848(c)", "Cyanides or cyanide mixtures may not be loaded or stored with acids.", 1},
    {7, 2, "49cfr177.848(e)(3)", "Corrosive liquids may not be loaded above or adjacent", 1},
    {8, 4, "49cfr177.848(d)", "Ammonium nitrate (UN 1942)", 1},
    {9, 1, "49cfr177.848(f)", "explosives of different compatibility groups", 1},
    {10, 1, "49cfr177.848(f)", "compatibility group L shall only be carried", 1},
    {11, 4, "49cfr177.848(f)", "reassigned to compatibility group E.", 1},
    {12, 4, "49cfr177.848(f)", "reassigned to compatibility group D.", 1},
    {13, 3, "49cfr177.835(g)", "No detonator assembly or booster with detonator", 4},
    {14, 1, "49cfr177.848(f)", "Division 1.4S fireworks may not be loaded", 1},
    {15, 3, "49cfr177.848(f)", "fireworks or requires special stowage.", 1},
    {16, 1, "49cfr177.848(f)", "compatibility group G may only be stored", 1},
    {17, 4, "49cfr177.848(i)", "must be shipped as if it were Division", 1},
    {18, 4, "49cfr177.848(i)", "Division 1.1, compatibility group D.", 1},
    {19, 3, "49cfr177.848(e)(6)", "capable of reacting dangerously", 1},
    {20, 4, "49cfr177.841(c)", "any interconnection between packages.", 1},
    {21, 4, "", "Check your company policy before co-loading foodstuffs and Poison Gas.", 0},
    {22, 4, "49cfr177.841(e)", "177.841 paragraph (e).", 2},
    {23, 4, "49cfr173.159(e)", "no other hazardous materials may be loaded.", 1},
    {24, 4, "49cfr173.189(d)(4)(iii)", "not less than 0.5 meters (1.6 feet).", 1},
    {25, 1, "49cfr173.189(d)(4)(iii)", "A battery containing liquid sodium", 1},
    {26, 0, "49cfr172.507(a)", "placed on a square background as described in 49 CFR \u00A7" "172.527.", 2},
    {27, 0, "49cfr172.403(c)", "Transport Index greater than 10", 1},
    {28, 0, "49cfr177.842(a)", "combined Transport Index greater than 50", 1},
    {29, 3, "49cfr177.848(c)", "with acids.  You are loading a cyanide with a corrosive hazmat", 1},
    {32, 3, "", "subsidiary explosive, but the division and compatibility group are unknown.", 0},
    {33, 1, "49cfr173.170(b)", "100 lbs. of this hazmat per truckload.  You must transport this hazmat as UN0027.", 1},
    {34, 1, "49cfr173.171(b)", "as UN0161.", 1},
    {35, 1, "49cfr173.63(a)", "99 lbs. of this hazmat per truckload.  You must transport this hazmat as UN0065.", 1},
    {36, 4, "49cfr172.102(162)", "percentage of diluent", 1},
    {37, 1, "49cfr173.457(e)", "The total CSI on the truckload may not exceed 100.0.", 1},
    {38, 1, "", "This hazmat is not approved for shipment in a ", 0},
    {40, 5, "49cfr385.403(a)", "385.403(a): This hazmat requires a safety permit.", 1},
    {41, 6, "49cfr385.403(b)", "more than 25 kg (55 lb) net explosive mass", 1},
    {42, 5, "49cfr385.403(b)", "Division 1.5 material requiring placarding.", 1},
    {43, 6, "49cfr385.403(c)", "more than one liter of hazmat per package.", 1},
    {44, 5, "49cfr385.403(d)", "385.403(d): This hazmat requires a safety permit.", 1},
    {45, 6, "49cfr385.403(e)", "13,248 L (3,500 gallons).", 1},
    {46, 6, "49cfr385.403(f)", "13,248 L (3,500 gallons).", 1},
    {47, 1, "49cfr177.835(g)", "No detonator assembly or booster with detonator may be transported", 1},
    {48, 4, "49cfr172.322(d)(3)", "a CLASS 9 placard, if displayed, makes it unnecessary.", 1},
    {49, 5, "49cfr385.403(b)", "the vehicle carries more than 25 kg (55 lb) net explosive mass", 1},
    {50, 5, "49cfr385.403(c)", "there is more than one liter of hazmat per package.", 1},
    {51, 5, "49cfr385.403(e)", "it is shipped in packaging having a capacity equal to or greater than 13,248 L", 1},
    {52, 5, "49cfr385.403(f)", "it is shipped in bulk packaging having a capacity equal to or greater", 1},
};

class MessageCode : public ::testing::TestWithParam<CodeCase> {};

TEST_P(MessageCode, HasItsTypeCitationAndText)
{
    const CodeCase &c = GetParam();
    MessageSubject s;
    s.pid1 = 10;
    s.id1 = "UN1111";
    s.pid2 = 20;
    s.id2 = "UN2222";
    s.class1 = "1.1D";
    s.class2 = "3";
    s.vehicle = "MC 306";
    HazSeg m;
    ASSERT_TRUE(BuildSegregationMessage(s, c.code, &m));
    EXPECT_EQ(m.type, c.type);
    EXPECT_EQ(m.msg, c.code);
    EXPECT_STREQ(m.citation, c.citation);
    const std::string reason = m.reason;
    EXPECT_NE(reason.find(c.excerpt), std::string::npos) << reason;
    int sections = 0;
    for (size_t at = reason.find("\u00A7"); at != std::string::npos; at = reason.find("\u00A7", at + 1))
        ++sections;
    EXPECT_EQ(sections, c.sections) << reason;
    EXPECT_EQ(reason.find("%s"), std::string::npos) << "unfilled argument: " << reason;
}

INSTANTIATE_TEST_SUITE_P(Table, MessageCode, ::testing::ValuesIn(kCodes));

TEST(MessageTable, ListsEveryCodeOnceAndNothingElse)
{
    int n = 0;
    const MessageDef *t = MessageTable(&n);
    ASSERT_EQ(n, static_cast<int>(std::size(kCodes)));
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(t[i].code, kCodes[i].code);
    for (int code : {0, 3, 4, 5, 30, 31, 39, 53})
        EXPECT_EQ(FindMessageDef(code), nullptr) << code;
    HazSeg m;
    EXPECT_FALSE(BuildSegregationMessage(MessageSubject{}, kNoFinding, &m));
}

TEST(MessageText, ConflictNamesRolesCodesAndItems)
{
    MessageSubject s;
    s.pid1 = 631;
    s.id1 = "UN1203";
    s.class1 = "3";
    s.index1 = 0;
    s.pid2 = 700;
    s.id2 = "UN1234";
    s.class2 = "2.3";
    s.index2 = 1;
    HazSeg m;
    ASSERT_TRUE(BuildSegregationMessage(s, 1, &m));
    EXPECT_STREQ(m.reason,
                 "[UN1203, UN1234] 49 CFR 177.848(d), (e)(2): These materials may not be loaded, transported, or "
                 "stored together.\n\nThis do not load is caused by the primary class 3 of UN1203 conflicting "
                 "with the subsidiary class 2.3 of UN1234");
    EXPECT_STREQ(m.id1, "UN1203");
    EXPECT_STREQ(m.class2, "2.3");
    EXPECT_EQ(m.pid1, 631);
    EXPECT_EQ(m.pid2, 700);
}

TEST(MessageText, DivisionAndVehicleArguments)
{
    MessageSubject s;
    s.id1 = "UN0081";
    s.id2 = "UN0042";
    s.class2 = "1.1D";
    s.vehicle = "MC 331";
    HazSeg m;
    ASSERT_TRUE(BuildSegregationMessage(s, 17, &m));
    EXPECT_STREQ(m.reason, "[UN0081] 49 CFR \u00A7" "177.848(i): This material must be shipped as if it were Division 1.1D.");
    ASSERT_TRUE(BuildSegregationMessage(s, 38, &m));
    EXPECT_STREQ(m.reason, "[UN0081] This hazmat is not approved for shipment in a MC 331 vehicle.");
    EXPECT_STREQ(m.citation, "");
}

// A reason longer than its 500-byte field (a long vehicle name) is cut at
// 499 bytes, never inside a character; one that just fits is whole.
struct CutCase {
    const char *name;
    size_t vehicleBytes;  // ASCII filler, then the ending below
    const char *ending;
    size_t reasonBytes;   // expected strlen of the reason
    bool whole;
};

TEST(MessageText, ReasonIsCutToItsFieldWithoutSplittingACharacter)
{
    const std::string head = "[UN0081] This hazmat is not approved for shipment in a ";
    const std::string tail = " vehicle.";
    const size_t room = sizeof(HazSeg{}.reason) - 1;
    const size_t fits = room - head.size() - tail.size();
    const CutCase cases[] = {
        {"just fits", fits, "", room, true},
        {"one byte over", fits + 1, "", room, false},
        // A two-byte section sign would take bytes 499 and 500: it goes
        // whole.
        {"character across the end", fits + tail.size() - 1, "\u00A7", room - 1, false},
        {"far too long", 2000, "", room, false},
    };
    for (const CutCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string vehicle = std::string(c.vehicleBytes, 'V') + c.ending;
        MessageSubject s;
        s.id1 = "UN0081";
        s.vehicle = vehicle.c_str();
        HazSeg m;
        std::memset(&m, 'x', sizeof m);
        ASSERT_TRUE(BuildSegregationMessage(s, 38, &m));
        const std::string reason = m.reason;  // terminated within the field
        EXPECT_EQ(reason.size(), c.reasonBytes);
        EXPECT_EQ(reason, (head + vehicle + tail).substr(0, c.reasonBytes));
        EXPECT_EQ(reason == head + vehicle + tail, c.whole);
    }
}

TEST(MessageText, NoItemMessagesKeepEmptyTexts)
{
    HazSeg m;
    ASSERT_TRUE(BuildSegregationMessage(MessageSubject{}, 20, &m));
    EXPECT_EQ(m.pid1, 0);
    EXPECT_STREQ(m.id1, "");
    EXPECT_STREQ(m.id2, "");
    EXPECT_STREQ(m.class1, "");
    EXPECT_EQ(std::strncmp(m.reason, "49 CFR \u00A7" "177.841(c): ", 20), 0);
}

TEST(MessageText, OverlongArgumentsAreCutToTheField)
{
    const std::string longId(800, 'X');
    MessageSubject s;
    s.id1 = longId.c_str();
    HazSeg m;
    ASSERT_TRUE(BuildSegregationMessage(s, 40, &m));
    EXPECT_EQ(std::strlen(m.reason), sizeof m.reason - 1);
}

// Legality: 0 legal, 1 illegal (a do-not-load stays), 2 cannot be determined.
struct LegalityCase {
    const char *name;
    int codes[4];
    int legality;
};

TEST(MessageLegality, FollowsTheTypesPosted)
{
    const LegalityCase cases[] = {
        {"information and separation only", {2, 8, 20, 0}, 0},
        {"permit and radioactive notices", {40, 41, 26, 0}, 0},
        {"conditional", {19, 0, 0, 0}, 2},
        {"do not load", {1, 0, 0, 0}, 1},
        {"conditional then do not load", {13, 9, 0, 0}, 1},
        {"do not load then conditional", {9, 13, 0, 0}, 1},
    };
    for (const LegalityCase &c : cases) {
        Output out;
        Init_Output(&out);
        MessageSubject s;
        s.id1 = "UN1111";
        s.id2 = "UN2222";
        for (int code : c.codes) {
            HazSeg m;
            if (code && BuildSegregationMessage(s, code, &m))
                InsertMessage(&out, m);
        }
        EXPECT_EQ(GetLegality_Output(&out), c.legality) << c.name;
        Reset_Output(&out);
    }
}

} // namespace
} // namespace dravlen
