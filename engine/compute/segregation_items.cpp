// Single-item checks of the segregation pass.
#include "compute/segregation_items.h"

#include "compute/item_facts.h"

namespace dravlen {
namespace {

// 173.170(b): black powder for small arms (PID 1), counted with the other
// black powder entry (PID 119), at most 100 lb per vehicle.
constexpr int kPidBlackPowderSmallArms = 1;
constexpr int kPidBlackPowder = 119;
// 173.171(b): smokeless powder for small arms (PID 92) with PID 192.
constexpr int kPidSmokelessSmallArms = 92;
constexpr int kPidSmokeless = 192;
// 173.63(a): the entry limited to 99 lb per vehicle.
constexpr int kPid17363 = 267;

// 173.457(e): total criticality safety index at most 100.0 (tenths).
constexpr uint64_t kMaxTotalCsi = 1000;

long PoundsOfPids(const Load *load, int pidA, int pidB)
{
    long total = 0;
    for (uint32_t k = 0; k < load->itemCount; ++k) {
        const int pid = GetPID_Hazmat(&load->items[k]);
        if (pid == pidA || pid == pidB)
            total += Pounds(&load->items[k]);
    }
    return total;
}

int PermitMessage(int permit)
{
    switch (permit) {
    case 1: return 40;  // 385.403(a)
    case 2: return 41;  // 385.403(b), Divisions 1.1-1.3
    case 3: return 42;  // 385.403(b), Division 1.5
    case 4: return 43;  // 385.403(c)
    case 5: return 44;  // 385.403(d)
    case 6: return 45;  // 385.403(e)
    case 7: return 46;  // 385.403(f)
    case 8: return 49;  // 385.403(b), Divisions 1.1-1.3 by net explosive mass
    case 9: return 50;  // 385.403(c) by the package
    case 10: return 51; // 385.403(e) by the bulk capacity
    case 11: return 52; // 385.403(f) by the bulk capacity
    default: return 0;
    }
}

} // namespace

uint64_t TotalCsi(const Load *load)
{
    uint64_t csi = 0;
    for (uint32_t k = 0; load && k < load->itemCount; ++k)
        csi += GetCSI_Hazmat(&load->items[k]);
    return csi;
}

std::vector<int> SingleItemChecks(const Load *load, uint32_t i)
{
    return SingleItemChecks(load, i, TotalCsi(load));
}

std::vector<int> SingleItemChecks(const Load *load, uint32_t i, uint64_t totalCsi)
{
    std::vector<int> codes = KindChecks(load, i, totalCsi);
    if (const int m = PermitFinding(load, i, nullptr, nullptr))
        codes.push_back(m);
    return codes;
}

int PermitFinding(const Load *load, uint32_t i, bool *readsItem, ExplosivePermit *explosives)
{
    return PermitMessage(PermitCode(load, i, readsItem, explosives));
}

std::vector<int> KindChecks(const Load *load, uint32_t i, uint64_t totalCsi)
{
    std::vector<int> codes;
    if (load == nullptr || i >= load->itemCount)
        return codes;
    const Hazmat *item = &load->items[i];
    const ItemReading r = ReadItem(item);
    const int pid = item->pid;

    if (!VehicleAllowed(r, load->vehicleCode))
        codes.push_back(38);
    if (RowLists(r, kColSpecialProvisions, "162"))
        codes.push_back(36);
    if (pid == kPidBlackPowderSmallArms && PoundsOfPids(load, kPidBlackPowderSmallArms, kPidBlackPowder) > 100)
        codes.push_back(33);
    if (pid == kPidSmokelessSmallArms && PoundsOfPids(load, kPidSmokelessSmallArms, kPidSmokeless) > 100)
        codes.push_back(34);
    if (pid == kPid17363 && PoundsOfPids(load, kPid17363, kPid17363) > 99)
        codes.push_back(35);

    if (totalCsi > kMaxTotalCsi && GetCSI_Hazmat(item) > 0)
        codes.push_back(37);

    // 177.841: poisons (Division 2.3 and 6.1 labels).
    const bool poisonGas = RowLists(r, kColLabelCodes, "2.3");
    const bool poison = RowLists(r, kColLabelCodes, "6.1");
    if (poisonGas || poison)
        codes.push_back(20);
    if (poisonGas)
        codes.push_back(21);
    if (poison)
        codes.push_back(22);
    return codes;
}

} // namespace dravlen
