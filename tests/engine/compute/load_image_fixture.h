// Truckload images in tests: two engines under a fixed clock and ruleset
// (one to write, one to read back into), and a little-endian byte builder
// for hand-made images.
#pragma once

#include "dravlen.h"
#include "compute/dict.h"
#include "refdata/rulesets.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace load_image_test {

// 2024-04-10 00:00:00 UTC: rulesets 41 and 42 active.
constexpr dravlen::Stamp kClock = 1712707200;

// Ruleset 42 entries.
enum Pid : int {
    kFuelOil = 58,          // NA1993, class 3, PG III
    kGasoline = 631,        // UN1203, class 3, PG II only
    kEthylAlcohol = 553,    // UN1105, class 3, PG II and III
    kFissile = 2382,        // UN3327, 7, fissile (takes a CSI)
    kPerborate = 2463,      // UN3377, 5.1, PG III only
    kPoisonZoneB = 20,      // NA1556, 6.1 PG I, zone B
    kCorrosiveLiquid = 25,  // NA1760, 8, PG I, II, III
    kNoSuchPid = 9999,
};

// Word A packing-group codes (slot + 1).
constexpr uint32_t kPG2 = 0x3;
constexpr uint32_t kPG3 = 0x4;

// Appends little-endian fields; every call is one field of the image.
struct Bytes {
    std::vector<uint8_t> b;
    Bytes &u32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
    Bytes &i32(int32_t v) { return u32(static_cast<uint32_t>(v)); }
    Bytes &u8(uint8_t v)
    {
        b.push_back(v);
        return *this;
    }
    // One text field of a dictionary block: the text, a zero and padding to
    // the next multiple of 4.
    Bytes &field(const std::string &s)
    {
        b.insert(b.end(), s.begin(), s.end());
        const std::size_t padded = (s.size() / 4) * 4 + 4;
        b.insert(b.end(), padded - s.size(), 0);
        return *this;
    }
    Bytes &entry(const std::string &key, const std::string &value) { return field(key).field(value); }
    Bytes &append(const Bytes &other)
    {
        b.insert(b.end(), other.b.begin(), other.b.end());
        return *this;
    }
    uint32_t size() const { return static_cast<uint32_t>(b.size()); }
};

class LoadImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dravlen::SetClockForTesting(kClock);
        Init_Engine(&writer_);
        Init_Engine(&reader_);
        dravlen::SetCurrentRuleset(42);
    }
    void TearDown() override
    {
        Destroy_Engine(&reader_);
        Destroy_Engine(&writer_);
        dravlen::ClearClockForTesting();
    }

    Load *src() { return GetLoad_Engine(&writer_); }
    Load *dst() { return GetLoad_Engine(&reader_); }

    // Adds an item bound to pid after `setup`; its index, or -1.
    template <typename Setup>
    int Add(Load *load, int pid, Setup setup)
    {
        Hazmat h;
        Init_Hazmat(&h, pid);
        setup(&h);
        const int at = Add_Load(load, &h);
        Reset_Hazmat(&h, 0);
        return at;
    }
    int Add(Load *load, int pid)
    {
        return Add(load, pid, [](Hazmat *) {});
    }

    // The image of a truckload, as bytes.
    static std::vector<uint8_t> Image(Load *load)
    {
        uint32_t size = 0;
        void *image = Serialize_Load(load, &size);
        EXPECT_NE(image, nullptr);
        std::vector<uint8_t> bytes;
        if (image) {
            const auto *p = static_cast<const uint8_t *>(image);
            bytes.assign(p, p + size);
        }
        qv_free(image);
        return bytes;
    }

    static int Read(Load *load, const std::vector<uint8_t> &bytes, int test)
    {
        return Unserialize_Load(load, bytes.data(), static_cast<uint32_t>(bytes.size()), test);
    }

    // Dictionary entries in order, "key=value".
    static std::vector<std::string> Entries(const Dict *dict);

    Engine writer_{};
    Engine reader_{};
};

inline std::vector<std::string> LoadImageTest::Entries(const Dict *dict)
{
    std::vector<std::string> out;
    for (const DictEntry *e = dict->head; e; e = e->next)
        out.push_back(std::string(e->key) + "=" + e->value);
    return out;
}

} // namespace load_image_test
