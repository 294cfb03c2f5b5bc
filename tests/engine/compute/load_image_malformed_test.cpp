// Broken truckload images: every truncation of a valid image and a corpus
// of hostile counts, lengths and missing terminators.  Each is refused as
// malformed (1) without reading past the image; test mode changes nothing,
// and a normal read leaves an empty truckload.
#include "load_image_fixture.h"

#include <algorithm>
#include <memory>

using namespace load_image_test;

namespace {

class MalformedImage : public LoadImageTest {
protected:
    void SetUp() override
    {
        LoadImageTest::SetUp();
        // A valid image with cargo tank answers, a dictionary and two items
        // that carry their own dictionaries.
        ASSERT_EQ(SetVehicle_Load(src(), "Unit Load"), 1);
        ASSERT_GT(GetNumQuestions_Vehicle(src(), 0), 0u);
        ASSERT_GE(Add(src(), kGasoline), 0);
        ASSERT_GE(Add(src(), kFuelOil), 0);
        Add_Dict(&src()->items[0].dict, "note", "first");
        valid_ = Image(src());
        ASSERT_EQ(Read(dst(), valid_, 0), 0);
        ASSERT_EQ(GetItemCount_Load(dst()), 2u);

        vehicleBlock_ = Word(4);
        pairs_ = Word(12);
        loadDictAt_ = 20 + 8 * pairs_;
        itemCountAt_ = 8 + vehicleBlock_;
        firstItemAt_ = itemCountAt_ + 4;
        firstItemDict_ = Word(firstItemAt_ + 28);
        ASSERT_GT(firstItemDict_, 0u);
    }

    uint32_t Word(std::size_t at) const
    {
        return static_cast<uint32_t>(valid_[at]) | static_cast<uint32_t>(valid_[at + 1]) << 8 |
               static_cast<uint32_t>(valid_[at + 2]) << 16 | static_cast<uint32_t>(valid_[at + 3]) << 24;
    }

    // Reads `image` (a heap copy of exactly its length, so that the address
    // sanitizer sees any over-read) in test mode and in normal mode.
    void ExpectRefused(const std::vector<uint8_t> &image, const std::string &what)
    {
        SCOPED_TRACE(what);
        std::unique_ptr<uint8_t[]> exact(new uint8_t[image.size() ? image.size() : 1]);
        std::copy(image.begin(), image.end(), exact.get());
        const auto length = static_cast<uint32_t>(image.size());

        SetVehicle_Load(dst(), "MC 300");
        EXPECT_EQ(Unserialize_Load(dst(), exact.get(), length, 1), 1);
        EXPECT_STREQ(GetVehicle_Load(dst()), "MC 300");  // test mode: untouched

        EXPECT_EQ(Unserialize_Load(dst(), exact.get(), length, 0), 1);
        EXPECT_EQ(GetItemCount_Load(dst()), 0u);
        EXPECT_STREQ(GetVehicle_Load(dst()), "Unknown");
        EXPECT_EQ(dst()->dict.head, nullptr);
    }

    std::vector<uint8_t> valid_;
    uint32_t vehicleBlock_ = 0;
    uint32_t pairs_ = 0;
    std::size_t loadDictAt_ = 0;
    std::size_t itemCountAt_ = 0;
    std::size_t firstItemAt_ = 0;
    uint32_t firstItemDict_ = 0;
};

} // namespace

TEST_F(MalformedImage, EveryTruncationIsRefused)
{
    for (std::size_t n = 0; n < valid_.size(); ++n)
        ExpectRefused(std::vector<uint8_t>(valid_.begin(), valid_.begin() + n),
                      "first " + std::to_string(n) + " bytes");
}

TEST_F(MalformedImage, HostileCountsLengthsAndTerminatorsAreRefused)
{
    const std::size_t loadDictEnd = 8 + vehicleBlock_;
    const std::size_t firstItemDictEnd = firstItemAt_ + 32 + firstItemDict_;
    struct Patch {
        std::size_t at;
        bool word;       // a 32-bit field, else one byte
        uint32_t value;
    };
    const struct {
        const char *what;
        std::vector<Patch> patches;
    } cases[] = {
        {"version 8", {{0, true, 8}}},
        {"negative version", {{0, true, 0xFFFFFFFF}}},
        {"vehicle block beyond the image", {{4, true, 0x7FFFFFFC}}},
        {"negative vehicle block length", {{4, true, 0xFFFFFFFC}}},
        {"vehicle block length not a multiple of 4", {{4, true, vehicleBlock_ - 2}}},
        {"vehicle block length 0", {{4, true, 0}}},
        {"vehicle block shorter than its content", {{4, true, vehicleBlock_ - 4}}},
        {"question count too large", {{12, true, pairs_ + 1}}},
        {"question count whose 8Q wraps to 0", {{12, true, 0x20000000}}},
        {"huge question count", {{12, true, 0xFFFFFFFF}}},
        {"dictionary longer than the vehicle block", {{loadDictAt_ - 4, true, Word(loadDictAt_ - 4) + 4}}},
        {"dictionary shorter than the vehicle block", {{loadDictAt_ - 4, true, Word(loadDictAt_ - 4) - 4}}},
        {"negative dictionary length", {{loadDictAt_ - 4, true, 0xFFFFFFFC}}},
        {"dictionary value without terminator",
         {{loadDictEnd - 3, false, 'x'}, {loadDictEnd - 2, false, 'x'}, {loadDictEnd - 1, false, 'x'}}},
        {"item count one too many", {{itemCountAt_, true, 3}}},
        {"huge item count", {{itemCountAt_, true, 0xFFFFFFFF}}},
        {"item dictionary beyond the image", {{firstItemAt_ + 28, true, 0x7FFFFFF0}}},
        {"negative item dictionary length", {{firstItemAt_ + 28, true, 0xFFFFFFFC}}},
        {"item dictionary length off by 4", {{firstItemAt_ + 28, true, firstItemDict_ + 4}}},
        {"item dictionary value without terminator",
         {{firstItemDictEnd - 3, false, 'x'}, {firstItemDictEnd - 2, false, 'x'},
          {firstItemDictEnd - 1, false, 'x'}}},
    };
    for (const auto &c : cases) {
        std::vector<uint8_t> image = valid_;
        for (const Patch &p : c.patches) {
            ASSERT_LE(p.at + (p.word ? 4 : 1), image.size()) << c.what;
            if (p.word) {
                for (int i = 0; i < 4; ++i)
                    image[p.at + i] = static_cast<uint8_t>(p.value >> (8 * i));
            } else {
                image[p.at] = static_cast<uint8_t>(p.value);
            }
        }
        ExpectRefused(image, c.what);
    }

    // Older versions: too short for the header.
    for (uint32_t version = 0; version <= 6; ++version) {
        Bytes shortImage;
        shortImage.u32(version).u8(0).u8(0);
        ExpectRefused(shortImage.b, "version " + std::to_string(version) + " of 6 bytes");
    }
    ExpectRefused({}, "no bytes at all");
    EXPECT_EQ(Unserialize_Load(dst(), nullptr, 16, 0), 1);
}

TEST_F(MalformedImage, BytesAfterTheLastItemAreIgnored)
{
    std::vector<uint8_t> image = valid_;
    image.insert(image.end(), {1, 2, 3, 4, 5});
    EXPECT_EQ(Read(dst(), image, 1), 0);
    ASSERT_EQ(Read(dst(), image, 0), 0);
    EXPECT_EQ(GetItemCount_Load(dst()), 2u);
    EXPECT_STREQ(Find_Dict(&dst()->items[0].dict, "note"), "first");
}
