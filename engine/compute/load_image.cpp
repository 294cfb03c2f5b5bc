// The saved truckload image (see load_image.h for the layout): writing at
// version 7, reading every version 0-7.
#include "compute/load_image.h"
#include "items/little_endian.h"

#include "compute/load_inspection.h"
#include "compute/load_items.h"

#include "compute/dict.h"
#include "inspection/inspection.h"
#include "inspection/question.h"
#include "inspection/vehicles.h"
#include "inspection/violation.h"
#include "items/answer_mirror.h"
#include "items/hazmat_internal.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace dravlen {

namespace {

// Item record sizes of versions 0-6; a version 7 record is 32 bytes plus
// its dictionary block.
constexpr std::size_t kItemRecordSize[kLoadImageVersion] = {32, 36, 16, 20, 24, 28, 28};
constexpr std::size_t kItemRecordFixed7 = 32;
constexpr std::size_t kItemDictLengthAt = 28;
constexpr std::size_t kImageHeader = 8;    // version and the vehicle block length
constexpr std::size_t kVehicleFixed = 12;  // code, Q and N

// A window on the image that refuses every read past its end.
class Cursor {
public:
    Cursor(const uint8_t *data, std::size_t length) : data_(data), length_(length) {}

    std::size_t Left() const { return length_ - pos_; }
    std::size_t Pos() const { return pos_; }
    const uint8_t *Here() const { return data_ + pos_; }

    bool Word(uint32_t &value)
    {
        if (Left() < 4)
            return false;
        value = U32(data_ + pos_);
        pos_ += 4;
        return true;
    }
    bool Skip(std::size_t n)
    {
        if (Left() < n)
            return false;
        pos_ += n;
        return true;
    }

private:
    const uint8_t *data_;
    std::size_t length_;
    std::size_t pos_ = 0;
};

// Where the parts of a checked image lie.
struct Layout {
    uint32_t version = 0;
    // Versions 6 and 7: the vehicle block.
    int32_t vehicleCode = 0;
    std::size_t pairsAt = 0;
    uint32_t pairCount = 0;
    std::size_t dictAt = 0;
    std::size_t dictLength = 0;
    // Item records: the first one's offset and their count.
    std::size_t itemsAt = 0;
    std::size_t itemCount = 0;
};

// The size of the version 7 item record at `record`, which must lie within
// `avail` bytes with a well-formed dictionary block; 0 otherwise.
std::size_t CheckedRecord7Size(const uint8_t *record, std::size_t avail)
{
    if (avail < kItemRecordFixed7)
        return 0;
    const int32_t n = static_cast<int32_t>(U32(record + kItemDictLengthAt));
    if (n < 0 || static_cast<std::size_t>(n) > avail - kItemRecordFixed7)
        return 0;
    if (!IsDictBlockWellFormed(record + kItemRecordFixed7, static_cast<std::size_t>(n)))
        return 0;
    return kItemRecordFixed7 + static_cast<std::size_t>(n);
}

bool CheckLayout(const uint8_t *image, std::size_t length, Layout &out)
{
    if (!image || length < kImageHeader)
        return false;
    out.version = U32(image);
    if (out.version > kLoadImageVersion)
        return false;
    std::size_t itemsAt = kImageHeader;

    if (out.version >= 6) {
        // The vehicle block: its length must lie inside the image, be a
        // whole number of words and hold at least the vehicle code.
        const uint32_t blockLength = U32(image + 4);
        if (blockLength > length - kImageHeader || blockLength % 4 != 0 || blockLength < 4)
            return false;
        Cursor block(image + kImageHeader, blockLength);
        uint32_t code = 0;
        uint32_t pairs = 0;
        uint32_t dictLength = 0;
        block.Word(code);
        if (!block.Word(pairs) || pairs > block.Left() / 8)
            return false;
        out.vehicleCode = static_cast<int32_t>(code);
        out.pairCount = pairs;
        out.pairsAt = kImageHeader + block.Pos();
        block.Skip(std::size_t{8} * pairs);
        // The dictionary block ends the vehicle block exactly.
        if (!block.Word(dictLength) || dictLength != block.Left())
            return false;
        out.dictAt = kImageHeader + block.Pos();
        out.dictLength = dictLength;
        if (!IsDictBlockWellFormed(image + out.dictAt, out.dictLength))
            return false;
        itemsAt += blockLength;
    }

    if (out.version == 7) {
        Cursor items(image + itemsAt, length - itemsAt);
        uint32_t count = 0;
        if (!items.Word(count) || count > items.Left() / kItemRecordFixed7)
            return false;
        out.itemsAt = itemsAt + items.Pos();
        out.itemCount = count;
        for (uint32_t i = 0; i < count; ++i) {
            const std::size_t size = CheckedRecord7Size(items.Here(), items.Left());
            if (size == 0)
                return false;
            items.Skip(size);
        }
        // Bytes after the last record are not part of any field: ignored.
        return true;
    }
    // Versions 0-6 have no item count: the records run to the end of the
    // image.  Bytes left over that cannot make a whole record are the sign
    // of a cut file, whose last item would otherwise vanish unnoticed.
    out.itemsAt = itemsAt;
    if ((length - itemsAt) % kItemRecordSize[out.version] != 0)
        return false;
    out.itemCount = (length - itemsAt) / kItemRecordSize[out.version];
    return true;
}

void ReadVehicleBlock(Load *load, const uint8_t *image, const Layout &layout)
{
    if (layout.vehicleCode >= 0 && layout.vehicleCode < kVehicleCount)
        SetVehicle_Load(load, VehicleName(layout.vehicleCode));
    for (uint32_t i = 0; i < layout.pairCount; ++i) {
        const uint8_t *pair = image + layout.pairsAt + std::size_t{8} * i;
        // An ID the vehicle's list lacks, or an answer outside 0-2, is
        // refused by the setter and changes nothing.
        SetAnswerByID_Vehicle(load, static_cast<int32_t>(U32(pair)),
                              static_cast<int32_t>(U32(pair + 4)));
    }
    ReadDictBlock(&load->dict, image + layout.dictAt, layout.dictLength);

    const struct {
        const char *key;
        ViolationList *list;
    } saved[] = {
        {kKeyMctiViolations, &load->mctiViolations},
        {kKeySegregationViolations, &load->segregationViolations},
        {kKeyManualViolations, &load->manualViolations},
    };
    for (const auto &s : saved) {
        if (const char *text = Find_Dict(&load->dict, s.key))
            ReadListText(s.list, text);
    }
    // The saved cargo tank violations were evaluated for the saved vehicle:
    // the next evaluation updates them from the answers instead of
    // discarding them, so deleted and edited violations stay as saved.
    if (Find_Dict(&load->dict, kKeyMctiViolations))
        load->lastInspectedVehicle = load->vehicleCode;
    RestoreLoadPaperAnswers(load);
}

bool IsOne(const char *text) { return text && std::strcmp(text, "1") == 0; }

} // namespace

bool IsLoadImageWellFormed(const uint8_t *image, std::size_t length)
{
    Layout layout;
    return CheckLayout(image, length, layout);
}

DravlenLoadFailure ImageFailureReason(const uint8_t *image, std::size_t length)
{
    // Versions count up by one per format change; a first field far past
    // the newest is not a truckload's version at all.
    constexpr uint32_t kHighestPlausibleVersion = 255;
    if (!image || length < 4)
        return LOAD_FAILURE_NOT_A_TRUCKLOAD;
    const uint32_t version = U32(image);
    if (version > kHighestPlausibleVersion)
        return LOAD_FAILURE_NOT_A_TRUCKLOAD;
    if (version > kLoadImageVersion)
        return LOAD_FAILURE_VERSION;
    return LOAD_FAILURE_MALFORMED;
}

int ReadLoadImage(Load *load, const uint8_t *image, std::size_t length, bool test, bool inspection)
{
    if (!load)
        return kImageMalformed;
    if (!test)
        Reset_Load(load);
    // The whole layout is checked before anything is read, so a malformed
    // image never leaves a partly filled truckload.
    Layout layout;
    if (!CheckLayout(image, length, layout))
        return kImageMalformed;

    if (!test) {
        if (layout.version >= 6)
            ReadVehicleBlock(load, image, layout);
        load->criteria8820 = IsOne(Find_Dict(&load->dict, kKey8820)) ? 1 : 0;
        load->dodShipment = IsOne(Find_Dict(&load->dict, kKeyDOD)) ? 1 : 0;
    }

    bool anyRefused = false;
    bool anyAdded = false;
    std::size_t pos = layout.itemsAt;
    for (std::size_t i = 0; i < layout.itemCount; ++i) {
        const uint8_t *record = image + pos;
        const std::size_t size = layout.version == 7 ? CheckedRecord7Size(record, length - pos)
                                                     : kItemRecordSize[layout.version];
        Hazmat item;
        Init_Hazmat(&item, 0);
        // Reading binds through the current ruleset: a record whose PID or
        // packing group that ruleset lacks is skipped (normal mode) or
        // reported (test mode).
        const bool read = UnserializeHazmatBounded(&item, record, size, layout.version) != 0;
        if (!read)
            anyRefused = true;
        else if (!test)
            anyAdded = AppendLoadItem(load, &item) >= 0 || anyAdded;
        Reset_Hazmat(&item, 0);
        pos += size;
    }
    // As Add_Load after each item, once for all of them: the shipping-paper
    // questions depend on the whole truckload, and their answers come back
    // from the dictionaries at every rebuild.
    // A truckload read only to be calculated skips them.
    if (anyAdded && inspection) {
        RebuildLoadQuestions(load, 1);
        ReevaluateLoadPaperViolations(load);
    }
    return test && anyRefused ? kImageItemNotRepresentable : kImageRead;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API void *Serialize_Load(Load *load, uint32_t *size)
{
    if (size)
        *size = 0;
    if (!load)
        return nullptr;

    // The saved state travels in the truckload's dictionary.
    Add_Dict(&load->dict, kKey8820, load->criteria8820 ? "1" : "0");
    Add_Dict(&load->dict, kKeyDOD, load->dodShipment ? "1" : "0");
    Add_Dict(&load->dict, kKeyMctiViolations, WriteListText(load->mctiViolations).c_str());
    Add_Dict(&load->dict, kKeySegregationViolations,
             WriteListText(load->segregationViolations).c_str());
    Add_Dict(&load->dict, kKeyManualViolations, WriteListText(load->manualViolations).c_str());
    MirrorAnswers(&load->spaQuestions, &load->dict);

    std::size_t pairs = 0;
    for (const Question *q = load->mctiQuestions.head; q; q = NextInTree(q))
        ++pairs;
    const std::size_t dictLength = DictBlockLength(&load->dict);
    const std::size_t vehicleBlock = kVehicleFixed + 8 * pairs + dictLength;
    std::size_t total = kImageHeader + vehicleBlock + 4;
    std::vector<std::size_t> itemSizes(load->itemCount);
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        // Also mirrors the item's shipping-paper answers into its dictionary.
        itemSizes[i] = GetSerialSize_Hazmat(&load->items[i], kLoadImageVersion);
        total += itemSizes[i];
    }
    // Every length of the image is a 32-bit field.
    if (total > std::numeric_limits<uint32_t>::max())
        return nullptr;

    auto *image = static_cast<uint8_t *>(std::malloc(total));
    if (!image)
        return nullptr;
    PutU32(image, kLoadImageVersion);
    PutU32(image + 4, static_cast<uint32_t>(vehicleBlock));
    PutU32(image + 8, static_cast<uint32_t>(load->vehicleCode));
    PutU32(image + 12, static_cast<uint32_t>(pairs));
    std::size_t pos = 16;
    for (const Question *q = load->mctiQuestions.head; q; q = NextInTree(q)) {
        PutU32(image + pos, static_cast<uint32_t>(q->id));
        PutU32(image + pos + 4, static_cast<uint32_t>(q->answer));
        pos += 8;
    }
    PutU32(image + pos, static_cast<uint32_t>(dictLength));
    pos += 4;
    pos += WriteDictBlock(&load->dict, image + pos);
    PutU32(image + pos, load->itemCount);
    pos += 4;
    for (uint32_t i = 0; i < load->itemCount; ++i)
        pos += WriteHazmatRecord(&load->items[i], &load->items[i].dict, image + pos);
    if (pos != total) {
        // Cannot happen while the sizes above and the writers agree; never
        // hand out an image with unwritten bytes.
        std::free(image);
        return nullptr;
    }
    if (size)
        *size = static_cast<uint32_t>(total);
    return image;
}

DRAVLEN_API int Unserialize_Load(Load *load, const void *image, uint32_t length, int test)
{
    return UnserializeWithReason_Load(load, image, length, test, nullptr);
}

DRAVLEN_API int UnserializeForCalculation_Load(Load *load, const void *image, uint32_t length)
{
    return ReadLoadImage(load, static_cast<const uint8_t *>(image), length, false, false);
}

DRAVLEN_API int UnserializeWithReason_Load(Load *load, const void *image, uint32_t length, int test,
                                           DravlenLoadFailure *why)
{
    const auto *bytes = static_cast<const uint8_t *>(image);
    const int result = ReadLoadImage(load, bytes, length, test != 0, true);
    if (why) {
        if (!load)
            *why = LOAD_FAILURE_ARGUMENT;
        else if (result == kImageMalformed)
            *why = ImageFailureReason(bytes, length);
        else if (result == kImageItemNotRepresentable)
            *why = LOAD_FAILURE_NOT_REPRESENTABLE;
        else
            *why = LOAD_OK;
    }
    return result;
}

} // extern "C"
