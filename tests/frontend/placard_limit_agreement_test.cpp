// A truckload needing more placards than the vehicle picture holds gets the
// same answer from the program's compliance view and from velmora-check:
// both keep within the limit through the one shared computation.
#include "check/compliance_report.h"
#include "compliance/compliance_results.h"
#include "compliance/compliance_view.h"
#include "frontend/holders.h"
#include "frontend/placard_limit.h"

#include <QtTest>

#include <utility>
#include <vector>

using namespace velmora;

namespace {

// Bulk packagings of many different materials: each shows its own ID
// number on placards, so together they need more than the picture holds.
// The first entries of the table that take bulk packaging, each with its
// first packing group.
void loadManyBulkMaterials(Engine *engine)
{
    int added = 0;
    for (int pid = 1; pid <= 2607 && added < 120; ++pid) {
        if (!HasPID_HazData(pid))
            continue;
        frontend::ItemHolder item(pid);
        if (!item.bound())
            continue;
        for (int slot = 1; GetPackingGroup_Hazmat(item.get()) < 0 && slot <= 3; ++slot)
            SetPackingGroup_Hazmat(item.get(), slot);
        SetBulkPackaging_Hazmat(item.get(), 1);
        if (!IsBulkPackaging_Hazmat(item.get()))
            continue;
        SetWeight_Hazmat(item.get(), 3000);
        if (Add_Load(GetLoad_Engine(engine), item.get()) >= 0)
            ++added;
    }
    QCOMPARE(added, 120);
}

using Shown = std::vector<std::pair<int, int>>;   // (class, ID number) of each placard

} // namespace

class PlacardLimitAgreementTest : public QObject {
    Q_OBJECT
private slots:
    void moreThanTheLimitAgrees();
};

void PlacardLimitAgreementTest::moreThanTheLimitAgrees()
{
    // The load needs more placards than the picture holds when numbers are
    // shown on placards.
    frontend::EngineHolder plain;
    loadManyBulkMaterials(plain.get());
    SetBulkPlacards_Engine(plain.get(), -1);
    Calculate_Engine(plain.get());
    int most = 0;
    for (int i = 0; i < GetNumOutputs_Engine(plain.get()); ++i)
        most = std::max(most, GetNumPlacards_Output(GetOutput_Engine(plain.get(), i)));
    QVERIFY2(most > frontend::kMaxPlacardsShown, qPrintable(QString::number(most)));

    // The program: the compliance view computes and shows the first option.
    frontend::EngineHolder program;
    loadManyBulkMaterials(program.get());
    SetBulkPlacards_Engine(program.get(), -1);
    Calculate_Engine(program.get());
    ComplianceView view;
    view.refresh(program.get());
    Shown inProgram;
    for (const PlacardEntry &p : readOption(program.get(), 0).placards)
        inProgram.emplace_back(p.hazardClass, p.idNumber);
    QVERIFY(inProgram.size() <= size_t(frontend::kMaxPlacardsShown));
    QVERIFY(!inProgram.empty());

    // velmora-check, as it runs with numbers on placards.
    frontend::EngineHolder checker;
    loadManyBulkMaterials(checker.get());
    SetBulkPlacards_Engine(checker.get(), -1);
    const nlohmann::json report = check::DescribeTruckload(checker.get(), "many.json");
    Shown inChecker;
    for (const nlohmann::json &p : report["options"][0]["placards"])
        inChecker.emplace_back(p["class"].get<int>(), p["id"].is_null() ? 0 : p["id"].get<int>());

    QCOMPARE(inChecker, inProgram);
}

QTEST_MAIN(PlacardLimitAgreementTest)
#include "placard_limit_agreement_test.moc"
