// Writes the seed corpus of the fuzz targets (tests/fuzz/corpus/...):
// truckload images of every version, item records of every version,
// dictionary blocks and violation list texts, all made by the engine or
// laid out field by field.  Run from the fuzz build:
//   build-fuzz/bin/fuzz_make_seeds tests/fuzz/corpus
#include "fuzz_support.h"

#include "compute/dict.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

void Put32(Bytes &b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void Write(const fs::path &dir, const std::string &name, const Bytes &bytes)
{
    fs::create_directories(dir);
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ImageOf(Load *load)
{
    uint32_t size = 0;
    void *image = Serialize_Load(load, &size);
    const auto *p = static_cast<const uint8_t *>(image);
    Bytes bytes(p, p + size);
    qv_free(image);
    return bytes;
}

void AddItem(Load *load, int pid, int slot)
{
    Hazmat h;
    Init_Hazmat(&h, pid);
    if (slot >= 0)
        SetPackingGroup_Hazmat(&h, slot);
    SetWeight_Hazmat(&h, 1200);
    Add_Load(load, &h);
    Reset_Hazmat(&h, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    Load *load = GetLoad_Engine(&velmora_fuzz::SharedEngine());

    // Truckload images made by the engine.
    Write(root / "load_image", "empty-v7", ImageOf(load));
    SetVehicle_Load(load, "Unit Load");
    SetAnswer_Vehicle(load, 0, 0, 0);
    AddItem(load, 631, -1);  // UN1203 gasoline
    AddItem(load, 553, 3);   // UN1105, PG III
    AddViolation_Vehicle(load, "172.403(g)");
    GetNumViolations_Vehicle(load);
    SetValue_Vehicle(load, "Carrier Name", "Fuzz Carrier");
    const Bytes full = ImageOf(load);
    Write(root / "load_image", "inspected-v7", full);

    // Older image versions: the header and one or two records each.
    const uint32_t sizes[] = {32, 36, 16, 20, 24, 28};
    for (uint32_t v = 0; v <= 5; ++v) {
        Bytes image;
        Put32(image, v);
        Put32(image, 0);
        Bytes record(sizes[v], 0);
        record[0] = 0x77;  // PID 631
        record[1] = 0x02;
        if (v <= 1) {
            record[4] = 100;   // pounds
            record[29] = 2;    // packing group II
        } else {
            record[4] = 100;
            record[8] = 0x3;   // word A: packing group II
        }
        image.insert(image.end(), record.begin(), record.end());
        image.insert(image.end(), record.begin(), record.end());
        Write(root / "load_image", "v" + std::to_string(v), image);
    }
    Bytes v6;
    Put32(v6, 6);
    Put32(v6, 12 + 8);  // L: one answer pair, no dictionary
    Put32(v6, 1);       // Unit Load
    Put32(v6, 1);
    Put32(v6, 61);
    Put32(v6, 0);
    Put32(v6, 0);       // N
    Bytes record6(28, 0);
    record6[0] = 0x77;
    record6[1] = 0x02;
    record6[4] = 50;
    record6[8] = 0x3;
    v6.insert(v6.end(), record6.begin(), record6.end());
    Write(root / "load_image", "v6", v6);

    // Item records: the first byte is the version.
    Hazmat *item = GetHazmat_Load(load, 0);
    Bytes v7(1, 7);
    Bytes record(GetSerialSize_Hazmat(item, 7));
    Serialize_Hazmat(item, record.data());
    v7.insert(v7.end(), record.begin(), record.end());
    Write(root / "item_record", "v7", v7);
    for (uint32_t v = 0; v <= 5; ++v) {
        Bytes image(1, static_cast<uint8_t>(v));
        Bytes r(sizes[v], 0);
        r[0] = 0x77;
        r[1] = 0x02;
        r[4] = 10;
        if (v <= 1)
            r[29] = 2;
        else
            r[8] = 0x3;
        image.insert(image.end(), r.begin(), r.end());
        Write(root / "item_record", "v" + std::to_string(v), image);
    }

    // Dictionary blocks and list texts.
    Bytes block(dravlen::DictBlockLength(&load->dict));
    dravlen::WriteDictBlock(&load->dict, block.data());
    Write(root / "dict_block", "load-dictionary", block);
    const std::string list = "0172.403(g)~NY139~~~393.55(a)~YN1-1~Edited~393.55~";
    Write(root / "dict_block", "violation-list", Bytes(list.begin(), list.end()));
    return 0;
}
