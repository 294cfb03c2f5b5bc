// Every result of Calculate_Engine for a few hundred pseudo-random
// truckloads, written as text and compared with the committed corpus in
// golden/calculation.txt.  The corpus pins the calculation byte for byte:
// a change that is meant to alter no result (a faster path, a refactor)
// must leave it untouched.
//
// To regenerate after a deliberate change of results, run the test with
// VELMORA_GOLDEN_WRITE=1 and review the diff of the corpus.
#include "refdata/rulesets.h"

#include "truckload_fixture.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifndef VELMORA_GOLDEN_FILE
#error "VELMORA_GOLDEN_FILE must name the corpus"
#endif

namespace velmora_test {
namespace {

// Real entries of every kind the rules treat apart: explosives of several
// divisions and compatibility groups, gases (poison by inhalation zones A-D,
// oxygen, LPG, methane), flammable and combustible liquids (gasoline, fuel
// oil, crude, elevated temperature), flammable solids, oxidizers, organic
// peroxides, poisons, cyanides, infectious substances, class 7, corrosives
// (acids and bases), class 9 and molten materials.  Every table entry with
// the ID is a candidate, so IDs with several entries add all of them.
const char *const kIds[] = {
    "UN0029", "UN0161", "UN0081", "UN0070", "NA0027", "NA3178", "UN0289", "UN0012", "UN0336",
    "UN0004", "UN0331", "UN0349",
    "UN1017", "UN1076", "UN1051", "UN1092", "UN1005", "UN1079", "UN1062", "UN2188", "UN1072",
    "UN1075", "UN1066", "UN1971", "UN1978", "UN1049", "UN1956", "UN1950",
    "UN1203", "NA1993", "UN1993", "UN1267", "UN1202", "UN1090", "UN1263", "UN3256", "UN1863",
    "UN1325", "UN1350", "UN1381", "UN1428", "UN1402", "UN3178",
    "UN1479", "UN1942", "UN2067", "UN3105", "UN3101",
    "UN1689", "UN2810", "UN1613", "UN2811", "UN2814", "UN3373",
    "UN2915", "UN2912", "UN2910", "UN3332", "UN2977",
    "UN1830", "UN1759", "UN1760", "UN1789", "UN1805", "UN2031", "UN1823", "UN2794", "UN1719",
    "UN3077", "UN3082", "UN2448", "UN3257", "UN3480",
};

// The named fuel entries the placarding rules single out (172.504(f)).
const int kFixedPids[] = {58, 631};

// A fixed generator, so the corpus is the same on every machine.
struct Lcg {
    uint64_t state;
    uint32_t Next()
    {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>(state >> 33);
    }
    uint32_t Below(uint32_t n) { return n ? Next() % n : 0; }
    bool Chance(uint32_t percent) { return Below(100) < percent; }
};

std::vector<int> CandidatePids()
{
    std::vector<int> pids(std::begin(kFixedPids), std::end(kFixedPids));
    for (const char *id : kIds) {
        for (int pid = SearchCT_HazData(id + 2, 2, 0); pid != 0; pid = SearchCT_HazData(id + 2, 2, pid)) {
            const CTRec *row = GetCTRec_HazData(pid);
            const char *rowId = row ? GetElement_CTRec(row, -1, 3, 0) : nullptr;
            if (rowId && std::string(rowId) == id)
                pids.push_back(pid);
        }
    }
    return pids;
}

const char *Text(const char *s) { return s ? s : "(null)"; }

void WritePlacard(std::ostream &os, const char *what, Placard *p)
{
    os << "  " << what << " key=" << GetHash_Placard(p) << " class=" << GetClass_Placard(p)
       << " div=" << GetDivision_Placard(p) << " group=" << static_cast<int>(GetCompatGroup_Placard(p))
       << " raw=" << static_cast<int>(GetRawCompatGroup_Placard(p)) << " primary=" << IsPrimary_Placard(p)
       << " bulk=" << IsBulk_Placard(p) << " idno=" << GetIDNo_Placard(p)
       << " bypass=" << GetIDNoBypass_Placard(p) << " flamm=" << p->flammableAllowed
       << " type=" << GetType_Marking(&p->marking) << " pid=" << GetPID_Marking(&p->marking)
       << " psn=" << Text(GetPSN_Marking(&p->marking)) << "\n";
}

// Everything a program can read after one calculation.
std::string Describe(Engine *engine)
{
    std::ostringstream os;
    Load *load = GetLoad_Engine(engine);
    const int options = GetNumOutputs_Engine(engine);
    os << "legality=" << GetLegality_Engine(engine) << " options=" << options << "\n";
    for (int i = 0; i < options; ++i) {
        Output *out = GetOutput_Engine(engine, i);
        os << " option " << i << " placards=" << GetNumPlacards_Output(out)
           << " markings=" << GetNumMarkings_Output(out) << "\n";
        const int placards = GetNumPlacards_Output(out);
        for (int k = 0; k < placards; ++k)
            WritePlacard(os, "placard", GetPlacardPointer_Output(out, static_cast<uint32_t>(k)));
        const PlacOp *op = out->current;
        if (op && op->coverageValid) {
            Placard coverage = op->coverage;
            WritePlacard(os, "coverage", &coverage);
        }
        const int markings = GetNumMarkings_Output(out);
        for (int k = 0; k < markings; ++k) {
            const Marking *m = GetMarkingPointer_Output(out, static_cast<uint32_t>(k));
            os << "  marking type=" << GetType_Marking(m) << " pid=" << GetPID_Marking(m)
               << " idno=" << GetIDNo_Marking(m) << " psn=" << Text(GetPSN_Marking(m)) << "\n";
        }
        const int allowed = GetNumAllowedPlacards_Output(out);
        for (int k = 0; k < allowed; ++k)
            WritePlacard(os, "allowed", GetAllowedPlacardPointer_Output(out, static_cast<uint32_t>(k)));
    }
    Output *out = &engine->output;
    os << " messages=" << GetNumSegregations_Output(out) << "\n";
    HazSeg m;
    for (int ok = GetFirstSegregation_Output(out, &m); ok; ok = GetNextSegregation_Output(out, &m)) {
        os << "  msg " << GetMsg_HazSeg(&m) << " type=" << GetType_HazSeg(&m) << " pids=" << GetPID1_HazSeg(&m)
           << "," << GetPID2_HazSeg(&m) << " ids=" << Text(GetID1_HazSeg(&m)) << "," << Text(GetID2_HazSeg(&m))
           << " classes=" << Text(GetClass1_HazSeg(&m)) << "," << Text(GetClass2_HazSeg(&m))
           << " reason=" << Text(GetReason_HazSeg(&m)) << " citation=" << Text(GetCitation_HazSeg(&m)) << "\n";
    }
    os << " violations:";
    for (uint32_t i = 0; i < GetNumViolations_Vehicle(load); ++i)
        os << " " << Text(GetReg_Violation(GetViolation_Vehicle(load, i)));
    os << "\n load onlyFuelOil=" << IsOnlyFuelOil_Load(load) << " onlyGasoline=" << IsOnlyGasoline_Load(load)
       << " greatestPIH=" << GetGreatestPIH_Vehicle(load) << " sums=" << load->allGasoline << load->allFuelOil
       << load->allSamePID << load->anyBulk << load->anyBulkInhalation << "\n";
    os << " items:";
    for (uint32_t i = 0; i < GetItemCount_Load(load); ++i)
        os << " " << CanUseDangerousPlacard_Hazmat_Load(load, i) << "/" << HazmatNeedsPermit_Load(load, i);
    os << "\n";
    return os.str();
}

// One pseudo-random item: a candidate entry with a packing group, an
// inhalation hazard zone, bulk or limited quantity where the entry allows
// them, and a weight in pounds or kilograms.
std::string AddItem(Load *load, Lcg &rng, const std::vector<int> &pids)
{
    const int pid = pids[rng.Below(static_cast<uint32_t>(pids.size()))];
    Hazmat item;
    Init_Hazmat(&item, pid);
    std::ostringstream os;
    os << pid;
    std::vector<int> slots;
    for (int slot = 1; slot <= 3; ++slot)
        if (HasPackingGroup_Hazmat(&item, slot))
            slots.push_back(slot);
    if (!slots.empty()) {
        const int slot = slots[rng.Below(static_cast<uint32_t>(slots.size()))];
        SetPackingGroup_Hazmat(&item, slot);
        os << " pg" << slot;
    }
    std::string zones;
    for (char z = 'A'; z <= 'D'; ++z)
        if (IsHazardZoneAllowed_Hazmat(&item, z))
            zones += z;
    if (!zones.empty() && rng.Chance(80)) {
        const char zone = zones[rng.Below(static_cast<uint32_t>(zones.size()))];
        SetHazardZone_Hazmat(&item, zone);
        os << " zone" << zone;
    }
    if (!FixedPhysicalState_Hazmat(&item) && rng.Chance(30)) {
        const char state = "SLG"[rng.Below(3)];
        SetPhysicalState_Hazmat(&item, state);
        os << " state" << state;
    }
    if (IsBulkPackagingAllowed_Hazmat(&item) && rng.Chance(30)) {
        SetBulkPackaging_Hazmat(&item, 1);
        os << " bulk";
    } else if (IsLimitedQuantityAllowed_Hazmat(&item) && rng.Chance(20)) {
        SetLimitedQuantity_Hazmat(&item, 1);
        os << " lq";
    }
    const int unit = rng.Chance(20) ? 1 : 0;
    static const uint32_t kWeights[] = {1, 50, 100, 250, 440, 500, 1000, 1001, 2000, 4000, 8820, 12000};
    const uint32_t weight = rng.Chance(70) ? kWeights[rng.Below(12)] : 1 + rng.Below(20000);
    SetWeightUnit_Hazmat(&item, unit);
    SetWeight_Hazmat(&item, weight);
    os << " w" << weight << (unit ? "kg" : "lb");
    Add_Load(load, &item);
    Reset_Hazmat(&item, 0);
    return os.str();
}

// Reads the engine's truckload image into two engines of its settings, in
// full and only for calculating, and compares what they calculate.
bool ReadForCalculationAgrees(Engine *source)
{
    uint32_t size = 0;
    void *image = Serialize_Load(GetLoad_Engine(source), &size);
    if (!image)
        return false;
    Engine full, calculated;
    std::string described[2];
    Engine *engines[2] = {&full, &calculated};
    bool read = true;
    for (int k = 0; k < 2; ++k) {
        Engine *e = engines[k];
        Init_Engine(e);
        ShowDangerousOptionFirst_Engine(e, IsDangerousOptionFirst_Engine(source));
        SetBulkPlacards_Engine(e, UsingBulkPlacards_Engine(source));
        SetPlacardAllHazmats_Engine(e, PlacardAllHazmats_Engine(source));
        const int result = k == 0 ? Unserialize_Load(GetLoad_Engine(e), image, size, 0)
                                  : UnserializeForCalculation_Load(GetLoad_Engine(e), image, size);
        read = read && result == 0 && GetItemCount_Load(GetLoad_Engine(e)) == GetItemCount_Load(GetLoad_Engine(source));
        Calculate_Engine(e);
        described[k] = Describe(e);
        Destroy_Engine(e);
    }
    qv_free(image);
    return read && described[0] == described[1];
}

std::string BuildCorpus()
{
    std::ostringstream corpus;
    const std::vector<int> pids = CandidatePids();
    corpus << "candidates " << pids.size() << ":";
    for (int pid : pids)
        corpus << " " << pid;
    corpus << "\n";
    Lcg rng{20240601};
    for (int n = 0; n < 300; ++n) {
        Engine engine;
        Init_Engine(&engine);
        ShowDangerousOptionFirst_Engine(&engine, rng.Chance(30));
        SetBulkPlacards_Engine(&engine, rng.Chance(80));
        SetPlacardAllHazmats_Engine(&engine, rng.Chance(20));
        corpus << "=== truckload " << n << " dangerousFirst=" << IsDangerousOptionFirst_Engine(&engine)
               << " bulkPlacards=" << UsingBulkPlacards_Engine(&engine)
               << " placardAll=" << PlacardAllHazmats_Engine(&engine) << "\n";
        // Mostly small loads, some long ones where the pair rules multiply.
        const uint32_t count = rng.Chance(75) ? 1 + rng.Below(8) : 9 + rng.Below(32);
        Load *load = GetLoad_Engine(&engine);
        for (uint32_t i = 0; i < count; ++i)
            corpus << " item " << AddItem(load, rng, pids) << "\n";
        Calculate_Engine(&engine);
        const std::string first = Describe(&engine);
        corpus << first;
        // A second calculation of the same truckload must say the same.
        Calculate_Engine(&engine);
        if (Describe(&engine) != first)
            corpus << " SECOND CALCULATION DIFFERS\n";
        // The truckload's image read only for calculating (no inspection
        // questions) must calculate as the image read in full.
        if (!ReadForCalculationAgrees(&engine))
            corpus << " READ FOR CALCULATION DIFFERS\n";
        Destroy_Engine(&engine);
    }
    return corpus.str();
}

TEST(CalculationGolden, EveryResultMatchesTheCorpus)
{
    // Results depend on the ruleset in force: fix the clock and the ruleset.
    dravlen::SetClockForTesting(1717200000);  // 2024-06-01
    dravlen::SetCurrentRuleset(dravlen::DefaultRuleset());
    Engine keep;  // holds the reference store for the candidate search
    Init_Engine(&keep);
    const std::string corpus = BuildCorpus();
    Destroy_Engine(&keep);
    dravlen::ClearClockForTesting();

    if (std::getenv("VELMORA_GOLDEN_WRITE")) {
        std::ofstream(VELMORA_GOLDEN_FILE, std::ios::binary) << corpus;
        GTEST_SKIP() << "corpus written to " << VELMORA_GOLDEN_FILE;
    }
    std::ifstream in(VELMORA_GOLDEN_FILE, std::ios::binary);
    ASSERT_TRUE(in) << "missing corpus " << VELMORA_GOLDEN_FILE;
    std::ostringstream expected;
    expected << in.rdbuf();
    const std::string want = expected.str();
    ASSERT_GT(want.size(), 0u);
    if (corpus == want)
        return;
    // Point at the first differing line rather than dumping megabytes.
    std::istringstream a(corpus), b(want);
    std::string la, lb;
    int line = 1;
    while (std::getline(a, la) && std::getline(b, lb) && la == lb)
        ++line;
    FAIL() << "corpus differs at line " << line << "\n got:  " << la << "\n want: " << lb;
}

} // namespace
} // namespace velmora_test
