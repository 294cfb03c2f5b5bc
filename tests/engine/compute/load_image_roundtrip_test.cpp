// Truckload images written and read back: items with their qualifiers and
// exemptions, dictionary entries, the whole inspection state; the exact
// bytes of an empty truckload; test mode; files.
#include "load_image_fixture.h"

#include "compute/load_files.h"
#include "inspection/question.h"
#include "inspection/violation.h"

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

using namespace load_image_test;

namespace {

std::vector<int> Answers(Load *load, int mode)
{
    std::vector<int> out;
    const uint32_t n = GetNumQuestions_Vehicle(load, mode);
    for (uint32_t i = 0; i < n; ++i)
        out.push_back(GetAnswer_Vehicle(load, i, mode));
    return out;
}

int IndexOfId(Load *load, int id, int mode, uint32_t from = 0)
{
    const uint32_t n = GetNumQuestions_Vehicle(load, mode);
    for (uint32_t i = from; i < n; ++i) {
        if (GetQuestion_Vehicle(load, i, mode) && GetQuestion_Vehicle(load, i, mode)->id == id)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

TEST_F(LoadImageTest, EmptyTruckloadImageHasTheDeclarationsAndNoItems)
{
    const std::vector<uint8_t> image = Image(src());
    Bytes dict;
    dict.entry("_8820 Criteria Met", "0")  // 20 + 4 bytes
        .entry("_DOD Shipment", "0")       // 16 + 4
        .entry("_viMCTI", "0")             // 8 + 4
        .entry("_viSegregation", "0")      // 16 + 4
        .entry("_viManual", "0");          // 12 + 4
    Bytes expected;
    expected.u32(7)                 // version
        .u32(12 + dict.size())      // L: vehicle block length
        .u32(0)                     // vehicle code: Unknown
        .u32(0)                     // Q: no cargo tank questions
        .u32(dict.size())           // N
        .append(dict)               // the dictionary block
        .u32(0);                    // C: no items
    EXPECT_EQ(image, expected.b);
}

TEST_F(LoadImageTest, EveryQualifierAndExemptionSurvivesTheImage)
{
    // Items whose qualifier words exercise every stored bit the setters
    // allow for them, weights in both units, CSI, transport index and a
    // chosen shipping name.
    struct ItemCase {
        int pid;
        void (*setup)(Hazmat *);
    };
    const ItemCase cases[] = {
        {kGasoline, [](Hazmat *h) {
             SetBulkPackaging_Hazmat(h, 1);
             SetHazardousSubstance_Hazmat(h, 1);
             SetHazardousWaste_Hazmat(h, 1);
             SetWeight_Hazmat(h, 5000);
         }},
        {kEthylAlcohol, [](Hazmat *h) {
             SetPackingGroup_Hazmat(h, 3);
             SetLimitedQuantity_Hazmat(h, 1);
             SetWeightUnit_Hazmat(h, 1);
             SetWeight_Hazmat(h, 40);
         }},
        {kFissile, [](Hazmat *h) {
             SetTransportIndex_Hazmat(h, 12);
             SetCSI_Hazmat(h, 35);
             SetRadiationClassification_Hazmat(h, '3');
             SetWeight_Hazmat(h, 7);
         }},
        {kPoisonZoneB, [](Hazmat *h) {
             SetHazardZone_Hazmat(h, 'B');
             SetExceptedQuantity_Hazmat(h, 1);
             SetWeight_Hazmat(h, 3);
         }},
        {kCorrosiveLiquid, [](Hazmat *h) {
             SetPackingGroup_Hazmat(h, 2);
             SetRomanIndex_Hazmat(h, 1);
             // Every exemption the entry allows, stored.
             for (unsigned n = 1; n <= 34; ++n) {
                 if (IsExemptionAllowed_Hazmat(h, n))
                     SetExemption_Hazmat(h, n, 1);
             }
             SetWeight_Hazmat(h, 250);
         }},
        {kFuelOil, [](Hazmat *h) {
             for (unsigned n = 1; n <= 34; ++n) {
                 if (IsExemptionAllowed_Hazmat(h, n))
                     SetExemption_Hazmat(h, n, 1);
             }
             SetWeight_Hazmat(h, 9000);
         }},
    };
    for (const ItemCase &c : cases)
        ASSERT_GE(Add(src(), c.pid, c.setup), 0) << c.pid;
    Set8820Criteria_Load(src(), -1);
    SetDODShipment_Load(src(), -1);

    const std::vector<uint8_t> image = Image(src());
    ASSERT_EQ(Read(dst(), image, 0), 0);
    ASSERT_EQ(GetItemCount_Load(dst()), GetItemCount_Load(src()));
    for (uint32_t i = 0; i < GetItemCount_Load(src()); ++i) {
        SCOPED_TRACE(i);
        const Hazmat *a = GetHazmat_Load(src(), i);
        const Hazmat *b = GetHazmat_Load(dst(), i);
        EXPECT_EQ(b->pid, a->pid);
        EXPECT_EQ(b->wordA, a->wordA);
        EXPECT_EQ(b->wordB, a->wordB);
        EXPECT_EQ(b->weight, a->weight);
        EXPECT_EQ(b->transportIndex, a->transportIndex);
        EXPECT_EQ(b->csi, a->csi);
        EXPECT_EQ(b->nameIndex, a->nameIndex);
        for (unsigned n = 1; n <= 34; ++n)
            EXPECT_EQ(HasExemption_Hazmat(b, n), HasExemption_Hazmat(a, n)) << "exemption " << n;
    }
    // The fixtures did set what they meant to.
    EXPECT_EQ(GetCSI_Hazmat(GetHazmat_Load(dst(), 2)), 35u);
    EXPECT_EQ(GetWeightUnit_Hazmat(GetHazmat_Load(dst(), 1)), 1);
    EXPECT_EQ(GetHazardZone_Hazmat(GetHazmat_Load(dst(), 3)), 'B');
    EXPECT_EQ(Has8820Criteria_Load(dst()), 1);
    EXPECT_EQ(IsDODShipment_Load(dst()), 1);
    // Written again, the read truckload gives the same bytes.
    EXPECT_EQ(Image(dst()), image);
}

TEST_F(LoadImageTest, InspectionStateAndDictionarySurviveTheImage)
{
    ASSERT_EQ(SetVehicle_Load(src(), "MC/TC 331"), 1);
    ASSERT_GE(Add(src(), kGasoline), 0);
    ASSERT_GE(Add(src(), kEthylAlcohol, [](Hazmat *h) { SetPackingGroup_Hazmat(h, 3); }), 0);

    // Cargo tank answers: a few No, a few Yes.
    const uint32_t mcti = GetNumQuestions_Vehicle(src(), 0);
    ASSERT_GT(mcti, 4u);
    ASSERT_EQ(SetAnswer_Vehicle(src(), 0, 0, 0), 1);
    ASSERT_EQ(SetAnswer_Vehicle(src(), 1, 0, 0), 1);
    ASSERT_EQ(SetAnswer_Vehicle(src(), 2, 1, 0), 1);
    // Shipping papers: a load-level answer and an answer in each item.
    const uint32_t loadLevel = src()->spaQuestions.count;
    ASSERT_GT(loadLevel, 0u);
    ASSERT_EQ(SetAnswer_Vehicle(src(), IndexOfId(src(), 4, 1), 0, 1), 1);
    const uint32_t firstItemQ = loadLevel;
    const uint32_t secondItemQ = loadLevel + src()->items[0].questions.count;
    ASSERT_GT(src()->items[1].questions.count, 0u);
    ASSERT_EQ(SetAnswer_Vehicle(src(), firstItemQ, 1, 1), 1);
    ASSERT_EQ(SetAnswer_Vehicle(src(), secondItemQ, 0, 1), 1);

    // Violations: the cargo tank ones with one deleted, one edited by hand
    // and a segregation finding.
    ASSERT_GE(GetNumViolations_Vehicle(src()), 2u);
    ASSERT_EQ(DeleteViolation_Vehicle(src(), 0), 1);
    ASSERT_EQ(AddViolation_Vehicle(src(), "172.403(g)"), 1);
    Violation *manual = src()->manualViolations.head;
    ASSERT_NE(manual, nullptr);
    SetDescription_Violation(manual, "Label torn");
    SetCitation_Violation(manual, "172.403");
    ASSERT_EQ(dravlen::AddToList(&src()->segregationViolations, "177.848(d)", 0), 1);

    // Entries written by the program and the external audit.
    const char *entries[][2] = {
        {"Inspection Report Number", "IR-1"}, {"USDOT Number", "123456"},
        {"Inspector Name", "K. Ames"},       {"Carrier Name", "Hauling & Co"},
        {"Start Date", "04/10/2024"},        {"Start Time", "08:15"},
        {"Saved_Version", "\"7.51.1\""},     {"Saved_Edition", "RAZU"},
        {"NumShowMeViolations", "1"},        {"ShowMeViolation0", "172.504(a)|Placard||1||0|"},
        {"ShowMeViosEdited", "0"},           {"ShowMeChanged", "1"},
        {"ShowMeHasBeenRun", "1"},           {"savedShowMeVersion", "2.5"},
    };
    for (const auto &e : entries)
        ASSERT_EQ(SetValue_Vehicle(src(), e[0], e[1]), 1);

    const std::vector<int> mctiAnswers = Answers(src(), 0);
    const std::vector<int> paperAnswers = Answers(src(), 1);
    const std::vector<uint8_t> image = Image(src());
    const std::vector<std::string> dict = Entries(&src()->dict);

    // Read into a truckload that held something else.
    ASSERT_GE(Add(dst(), kFuelOil), 0);
    SetVehicle_Load(dst(), "MC/TC 306");
    ASSERT_EQ(Read(dst(), image, 0), 0);
    EXPECT_STREQ(GetVehicle_Load(dst()), "MC/TC 331");
    EXPECT_EQ(Entries(&dst()->dict), dict);
    for (const auto &e : entries)
        EXPECT_STREQ(GetValue_Vehicle(dst(), e[0]), e[1]);
    EXPECT_EQ(Answers(dst(), 0), mctiAnswers);
    EXPECT_EQ(Answers(dst(), 1), paperAnswers);
    EXPECT_EQ(GetAnswer_Vehicle(dst(), secondItemQ, 1), 0);
    // The item's answer travelled in the item's own dictionary.
    const std::string itemKey =
        "SPA_QID" + std::to_string(GetQuestion_Vehicle(src(), secondItemQ, 1)->id);
    EXPECT_STREQ(Find_Dict(&dst()->items[1].dict, itemKey.c_str()), "0");
    for (const ViolationList Load::*list :
         {&Load::mctiViolations, &Load::segregationViolations, &Load::manualViolations}) {
        EXPECT_EQ(dravlen::WriteListText(dst()->*list), dravlen::WriteListText(src()->*list));
        EXPECT_EQ((dst()->*list).enabledCount, (src()->*list).enabledCount);
    }
    const Violation *back = dst()->manualViolations.head;
    ASSERT_NE(back, nullptr);
    EXPECT_STREQ(GetDescription_Violation(back), "Label torn");
    EXPECT_STREQ(GetCitation_Violation(back), "172.403");

    // The deleted cargo tank violation stays deleted once the answers are
    // evaluated again in the reading engine.
    EXPECT_EQ(GetNumViolations_Vehicle(dst()), GetNumViolations_Vehicle(src()));
    EXPECT_EQ(GetNumUnfilteredMCTIViolations_Vehicle(dst()),
              GetNumUnfilteredMCTIViolations_Vehicle(src()));
    EXPECT_EQ(IsDisabled_Violation(GetUnfilteredMCTIViolation_Vehicle(dst(), 0)), 1);
}

TEST_F(LoadImageTest, SavedViolationTextsAreReadFromTheDictionary)
{
    // A truckload whose saved manual list holds 172.403(g), out of service,
    // unit "1", reference 39; its segregation text does not begin with "0".
    Bytes dict;
    dict.entry("_viManual", "0172.403(g)~NY139~~~").entry("_viSegregation", "1177.848(d)~NN10~~~");
    Bytes image;
    image.u32(7).u32(12 + dict.size())  // version, L
        .u32(0).u32(0)                  // vehicle Unknown, no questions
        .u32(dict.size()).append(dict)  // N and the block
        .u32(0);                        // no items
    ASSERT_EQ(Read(dst(), image.b, 0), 0);
    const ViolationList &manual = dst()->manualViolations;
    ASSERT_NE(manual.head, nullptr);
    EXPECT_EQ(manual.enabledCount, 1u);
    EXPECT_EQ(IsOOS_Violation(manual.head), 1);
    EXPECT_EQ(GetUnit_Violation(manual.head), '1');
    EXPECT_EQ(GetQuestionReference_Violation(manual.head), 39);
    EXPECT_EQ(dst()->segregationViolations.head, nullptr);
    EXPECT_EQ(dst()->mctiViolations.head, nullptr);
    // The declarations are 1 only for exactly "1".
    EXPECT_EQ(Has8820Criteria_Load(dst()), 0);
}

TEST_F(LoadImageTest, EditedTextsCannotBreakTheSavedViolationList)
{
    // The list text separates fields with "~": an edit that typed one must
    // not lose the violations after it when the truckload is reopened.
    ASSERT_EQ(AddViolation_Vehicle(src(), "392.2"), 1);
    ASSERT_EQ(AddViolation_Vehicle(src(), "172.403(g)"), 1);
    ASSERT_EQ(GetNumViolations_Vehicle(src()), 2u);
    EXPECT_EQ(SetDesc_Violation_Vehicle(src(), 0, "leaking~valve"), 1);
    EXPECT_EQ(SetCitation_Violation_Vehicle(src(), 0, "392.2~x"), 1);
    EXPECT_EQ(SetUnit_Violation_Vehicle(src(), 0, '~'), 0);   // a separator is no unit
    EXPECT_EQ(SetUnit_Violation_Vehicle(src(), 0, '\0'), 0);
    EXPECT_EQ(SetUnit_Violation_Vehicle(src(), 0, 'D'), 1);

    ASSERT_EQ(Read(dst(), Image(src()), 0), 0);
    ASSERT_EQ(GetNumViolations_Vehicle(dst()), 2u);
    const Violation *first = GetViolation_Vehicle(dst(), 0);
    EXPECT_STREQ(GetDescription_Violation(first), "leaking-valve");
    EXPECT_STREQ(GetCitation_Violation(first), "392.2-x");
    EXPECT_EQ(GetUnit_Violation(first), 'D');
    EXPECT_STREQ(GetReg_Violation(GetViolation_Vehicle(dst(), 1)), "172.403(g)");
}

TEST_F(LoadImageTest, TextsAreWindows1252InTheImageAndUtf8InTheLibrary)
{
    // An image as written before: its texts single-byte Windows-1252, a
    // description of the full 162 characters, every one of them "é".
    const std::string longDescription(162, '\xE9');
    Bytes dict;
    dict.entry("Inspector", "Ren\xE9" "e \x96 \xA7" "5")
        .entry("_viManual", "0172.403(g)~NY139~Valve d\xE9" "fect \xA7" " 5~~"
                            "392.2~NN140~" + longDescription + "~~");
    Bytes image;
    image.u32(7).u32(12 + dict.size()).u32(0).u32(0).u32(dict.size()).append(dict).u32(0);
    ASSERT_EQ(Read(dst(), image.b, 0), 0);

    std::string longUtf8;
    for (int i = 0; i < 162; ++i)
        longUtf8 += "\u00E9";
    EXPECT_STREQ(GetValue_Vehicle(dst(), "Inspector"), "Ren\u00E9" "e \u2013 \u00A7" "5");
    ASSERT_EQ(GetNumViolations_Vehicle(dst()), 2u);
    EXPECT_STREQ(GetDescription_Violation(GetViolation_Vehicle(dst(), 0)), "Valve d\u00E9" "fect \u00A7" " 5");
    EXPECT_EQ(GetDescription_Violation(GetViolation_Vehicle(dst(), 1)), longUtf8);

    // Written again, the texts are the stored bytes they were read from.
    const std::vector<uint8_t> again = Image(dst());
    const std::string bytes(again.begin(), again.end());
    EXPECT_NE(bytes.find(std::string("Ren\xE9" "e \x96 \xA7" "5\0", 10)), std::string::npos);
    EXPECT_NE(bytes.find("~Valve d\xE9" "fect \xA7" " 5~"), std::string::npos);
    EXPECT_NE(bytes.find("~" + longDescription + "~"), std::string::npos);

    // What Windows-1252 cannot hold is written as '?'; a longer text is cut
    // after 162 characters, never inside one.
    EXPECT_EQ(SetValue_Vehicle(src(), "Inspector", "Z\u00FC" "rich \u2192 \U0001F69B"), 1);
    ASSERT_EQ(AddViolation_Vehicle(src(), "392.2"), 1);
    EXPECT_EQ(SetDesc_Violation_Vehicle(src(), 0, (longUtf8 + "\u00E9").c_str()), 1);
    EXPECT_EQ(GetDescription_Violation(GetViolation_Vehicle(src(), 0)), longUtf8);
    ASSERT_EQ(Read(dst(), Image(src()), 0), 0);
    EXPECT_STREQ(GetValue_Vehicle(dst(), "Inspector"), "Z\u00FC" "rich ? ?");
    EXPECT_EQ(GetDescription_Violation(GetViolation_Vehicle(dst(), 0)), longUtf8);
}

TEST_F(LoadImageTest, TestModeChangesNothing)
{
    ASSERT_EQ(SetVehicle_Load(src(), "MC/TC 306"), 1);
    ASSERT_GE(Add(src(), kGasoline), 0);
    const std::vector<uint8_t> image = Image(src());

    ASSERT_EQ(SetVehicle_Load(dst(), "MC/TC 331"), 1);
    Set8820Criteria_Load(dst(), -1);
    SetValue_Vehicle(dst(), "Carrier Name", "Kept");
    const std::vector<std::string> before = Entries(&dst()->dict);
    EXPECT_EQ(Read(dst(), image, -1), 0);
    EXPECT_STREQ(GetVehicle_Load(dst()), "MC/TC 331");
    EXPECT_EQ(Has8820Criteria_Load(dst()), -1);
    EXPECT_EQ(GetItemCount_Load(dst()), 0u);
    EXPECT_EQ(Entries(&dst()->dict), before);
}

TEST_F(LoadImageTest, ItemsTheRulesetCannotRepresentAreReportedInTestAndSkippedOtherwise)
{
    // Three version 7 records; the middle one chooses packing group III for
    // gasoline (only II exists) and carries a dictionary block.  The reader
    // advances past it by 32 + N and still reads the third.
    auto record = [](int pid, uint32_t wordA, const Bytes &dict) {
        Bytes r;
        r.i32(pid)          // PID
            .u32(100)       // weight
            .u32(wordA)     // word A
            .u32(0)         // word B
            .u32(0)         // transport index
            .u32(0)         // CSI
            .u32(0)         // shipping-name index
            .u32(dict.size())
            .append(dict);
        return r;
    };
    Bytes noDict;
    Bytes answers;
    answers.entry("SPA_QID2", "0");
    Bytes image;
    image.u32(7).u32(12).u32(0).u32(0).u32(0)  // version, L = 12, Unknown, Q 0, N 0
        .u32(3)                                // three items
        .append(record(kGasoline, kPG2, noDict))
        .append(record(kGasoline, kPG3, answers))
        .append(record(kFuelOil, kPG3, noDict));
    EXPECT_EQ(Read(dst(), image.b, 1), 2);
    EXPECT_EQ(GetItemCount_Load(dst()), 0u);
    ASSERT_EQ(Read(dst(), image.b, 0), 0);
    ASSERT_EQ(GetItemCount_Load(dst()), 2u);
    EXPECT_EQ(GetPID_Hazmat(GetHazmat_Load(dst(), 0)), kGasoline);
    EXPECT_EQ(GetPID_Hazmat(GetHazmat_Load(dst(), 1)), kFuelOil);

    // An unknown PID is refused the same way.
    Bytes unknown;
    unknown.u32(7).u32(12).u32(0).u32(0).u32(0).u32(1).append(record(kNoSuchPid, kPG2, noDict));
    EXPECT_EQ(Read(dst(), unknown.b, 1), 2);
    EXPECT_EQ(Read(dst(), unknown.b, 0), 0);
    EXPECT_EQ(GetItemCount_Load(dst()), 0u);
}

TEST(LoadFileName, IsThePathAfterItsLastSeparatorCutAtItsLastDot)
{
    const struct {
        const char *path;
        const char *name;
    } cases[] = {
        {"/home/officer/loads/Truck 12.vlm", "Truck 12"},
        {"C:\\Loads\\T-7.vlm", "T-7"},
        {"mixed/dir\\unit.2024.vlm", "unit.2024"},
        {"/dir.with.dot/plain", "plain"},
        {"bare.vlm", "bare"},
        {"noext", "noext"},
        {"/trailing/", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dravlen::LoadNameFromPath(c.path), c.name) << c.path;
}

class LoadFiles : public LoadImageTest {
protected:
    void SetUp() override
    {
        LoadImageTest::SetUp();
        folder_ = std::filesystem::temp_directory_path() /
                  ("velmora-load-files-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override
    {
        std::filesystem::remove_all(folder_);
        LoadImageTest::TearDown();
    }
    static std::vector<uint8_t> Contents(const std::filesystem::path &p)
    {
        std::ifstream in(p, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto &e : std::filesystem::directory_iterator(folder_))
            names.push_back(e.path().filename().string());
        return names;
    }
    std::filesystem::path folder_;
};

TEST_F(LoadFiles, SaveThenOpenGivesTheTruckloadNamedAfterTheFile)
{
    ASSERT_EQ(SetVehicle_Load(src(), "MC/TC 306"), 1);
    ASSERT_GE(Add(src(), kGasoline), 0);
    const std::string path = (folder_ / "Truck 12.vlm").string();
    ASSERT_EQ(Save_Load(src(), path.c_str()), 1);
    EXPECT_EQ(Contents(path), Image(src()));
    EXPECT_EQ(Names(), std::vector<std::string>{"Truck 12.vlm"});

    EXPECT_EQ(Open_Load(dst(), path.c_str(), 1), 1);
    EXPECT_EQ(GetName_Load(dst()), nullptr);  // test mode names nothing
    ASSERT_EQ(Open_Load(dst(), path.c_str(), 0), 1);
    EXPECT_STREQ(GetName_Load(dst()), "Truck 12");
    EXPECT_EQ(GetItemCount_Load(dst()), 1u);
    EXPECT_STREQ(GetVehicle_Load(dst()), "MC/TC 306");

    // Saving again replaces the file whole.
    ASSERT_EQ(Remove_Load(src(), 0), 1);
    ASSERT_EQ(Save_Load(src(), path.c_str()), 1);
    EXPECT_EQ(Contents(path), Image(src()));
}

TEST_F(LoadFiles, OpenRefusesMissingEmptyAndMalformedFiles)
{
    const std::filesystem::path empty = folder_ / "empty.vlm";
    std::ofstream(empty).close();
    const std::filesystem::path garbage = folder_ / "garbage.vlm";
    std::ofstream(garbage, std::ios::binary) << "\x07\0\0\0\xff\xff\xff\x7f" << "rest";
    for (const std::filesystem::path &p :
         {folder_ / "missing.vlm", empty, garbage, folder_}) {
        SetName_Load(dst(), "before");
        EXPECT_EQ(Open_Load(dst(), p.c_str(), 0), 0) << p;
        EXPECT_EQ(Open_Load(dst(), p.c_str(), 1), 0) << p;
    }
}

TEST_F(LoadFiles, FailedSaveLeavesThePreviousFileIntact)
{
    ASSERT_GE(Add(src(), kGasoline), 0);
    const std::filesystem::path path = folder_ / "kept.vlm";
    ASSERT_EQ(Save_Load(src(), path.c_str()), 1);
    const std::vector<uint8_t> previous = Contents(path);

    // A bigger truckload whose image cannot be written whole: the file size
    // limit makes the write fail part-way.
    for (int i = 0; i < 20; ++i)
        ASSERT_GE(Add(src(), kFuelOil), 0);
    ASSERT_GT(Image(src()).size(), 600u);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto *oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = Save_Load(src(), path.c_str());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, 0);
    EXPECT_EQ(Contents(path), previous);
    EXPECT_EQ(Names(), std::vector<std::string>{"kept.vlm"});  // no temporary left

    // A path in a folder that does not exist, or naming a folder, fails.
    EXPECT_EQ(Save_Load(src(), (folder_ / "no" / "such.vlm").c_str()), 0);
    EXPECT_EQ(Save_Load(src(), folder_.c_str()), 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder_));
}

// Each failure of opening, saving and reading names its reason; the
// functions without a reason answer the same.
TEST_F(LoadFiles, FailuresNameTheirReason)
{
    ASSERT_GE(Add(src(), kGasoline), 0);
    const std::filesystem::path good = folder_ / "good.vlm";
    ASSERT_EQ(Save_Load(src(), good.c_str()), 1);
    const std::vector<uint8_t> image = Contents(good);
    auto write = [&](const char *name, const std::vector<uint8_t> &bytes) {
        const std::filesystem::path p = folder_ / name;
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
        return p;
    };
    const std::filesystem::path truncated =
        write("truncated.vlm", std::vector<uint8_t>(image.begin(), image.end() - 3));
    const std::filesystem::path foreign = write("foreign.vlm", {'%', 'P', 'D', 'F', '-', '1', '.', '4', '\n'});
    const std::filesystem::path newer = write("newer.vlm", Bytes().u32(8).u32(4).u32(0).b);
    const std::filesystem::path empty = write("empty.vlm", {});
    const std::filesystem::path unreadable = write("unreadable.vlm", image);
    std::filesystem::permissions(unreadable, std::filesystem::perms::none);
    // The superuser reads any file, so the permission row only holds for
    // other users.
    const bool privileged = ::geteuid() == 0;

    const struct {
        std::filesystem::path path;
        DravlenLoadFailure why;
    } opens[] = {
        {good, LOAD_OK},
        {folder_ / "missing.vlm", LOAD_FAILURE_NOT_FOUND},
        {folder_ / "missing" / "x.vlm", LOAD_FAILURE_NOT_FOUND},
        {folder_, LOAD_FAILURE_NOT_A_FILE},
        {unreadable, privileged ? LOAD_OK : LOAD_FAILURE_PERMISSION},
        {truncated, LOAD_FAILURE_MALFORMED},
        {foreign, LOAD_FAILURE_NOT_A_TRUCKLOAD},
        {empty, LOAD_FAILURE_NOT_A_TRUCKLOAD},
        {newer, LOAD_FAILURE_VERSION},
    };
    for (const auto &c : opens) {
        for (int test = 0; test <= 1; ++test) {
            DravlenLoadFailure why = LOAD_FAILURE_IO;
            const int opened = OpenWithReason_Load(dst(), c.path.c_str(), test, &why);
            EXPECT_EQ(why, c.why) << c.path << " test " << test << ": " << DescribeFailure_Load(why);
            EXPECT_EQ(opened, c.why == LOAD_OK ? 1 : 0) << c.path;
            EXPECT_EQ(Open_Load(dst(), c.path.c_str(), test), opened) << c.path;
        }
    }

    // Reading an image in memory gives the same reasons as the files.
    const std::vector<uint8_t> cut(image.begin(), image.end() - 3);
    DravlenLoadFailure why = LOAD_OK;
    EXPECT_EQ(UnserializeWithReason_Load(dst(), cut.data(), static_cast<uint32_t>(cut.size()), 0, &why), 1);
    EXPECT_EQ(why, LOAD_FAILURE_MALFORMED);
    EXPECT_EQ(UnserializeWithReason_Load(dst(), image.data(), static_cast<uint32_t>(image.size()), 0, &why), 0);
    EXPECT_EQ(why, LOAD_OK);
    EXPECT_EQ(UnserializeWithReason_Load(nullptr, image.data(), 4, 0, &why), 1);
    EXPECT_EQ(why, LOAD_FAILURE_ARGUMENT);

    const std::filesystem::path readOnly = write("read-only.vlm", image);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    const struct {
        std::filesystem::path path;
        DravlenLoadFailure why;
    } saves[] = {
        {folder_ / "new.vlm", LOAD_OK},
        {folder_ / "no" / "such.vlm", LOAD_FAILURE_NOT_FOUND},
        {folder_, LOAD_FAILURE_NOT_A_FILE},
        {readOnly, privileged ? LOAD_OK : LOAD_FAILURE_PERMISSION},
        {folder_ / std::string(300, 'n'), LOAD_FAILURE_TOO_LONG},
    };
    for (const auto &c : saves) {
        DravlenLoadFailure saveWhy = LOAD_FAILURE_IO;
        const int saved = SaveWithReason_Load(src(), c.path.c_str(), &saveWhy);
        EXPECT_EQ(saveWhy, c.why) << c.path << ": " << DescribeFailure_Load(saveWhy);
        EXPECT_EQ(saved, c.why == LOAD_OK ? 1 : 0) << c.path;
    }
    EXPECT_EQ(SaveWithReason_Load(src(), nullptr, &why), 0);
    EXPECT_EQ(why, LOAD_FAILURE_ARGUMENT);

    // A write cut short by the file size limit is a lack of space.
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    auto *oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = limit;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int saved = SaveWithReason_Load(src(), (folder_ / "big.vlm").c_str(), &why);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(why, LOAD_FAILURE_NO_SPACE);
}

// Every reason has its own sentence.
TEST(LoadFailureText, EveryReasonIsDescribed)
{
    std::set<std::string> seen;
    for (int why = LOAD_OK; why <= LOAD_FAILURE_NOT_REPRESENTABLE; ++why)
        EXPECT_TRUE(seen.insert(DescribeFailure_Load(why)).second) << why;
    EXPECT_STREQ(DescribeFailure_Load(-1), "Unknown failure.");
}
