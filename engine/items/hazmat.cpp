// The item record's lifecycle: storage, binding to a Hazardous Materials
// Table row, release and copy.
#include "dravlen.h"

#include "compute/dict.h"
#include "compute/load_inspection.h"
#include "inspection/paper_tally.h"
#include "items/answer_mirror.h"
#include "items/hazmat_internal.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace dravlen {

namespace {

void ReleaseItemLists(Hazmat *item)
{
    ReleaseDict(&item->dict);
    ReleaseQuestionList(&item->questions);
    ReleaseViolationList(&item->violations);
}

} // namespace

} // namespace dravlen

extern "C" {

DRAVLEN_API int GetSizeOf_Hazmat(void) { return sizeof(Hazmat); }

DRAVLEN_API Hazmat *Alloc_Hazmat(void)
{
    return static_cast<Hazmat *>(std::malloc(sizeof(Hazmat)));
}

DRAVLEN_API int Init_Hazmat(Hazmat *item, int pid)
{
    // Fresh storage: make the lists empty before Reset_Hazmat frees them.
    std::memset(item, 0, sizeof *item);
    return Reset_Hazmat(item, pid);
}

DRAVLEN_API int Reset_Hazmat(Hazmat *item, int pid)
{
    dravlen::ForgetItemTally(item);  // an item of a truckload changes in place
    dravlen::ReleaseItemLists(item);
    std::memset(item, 0, sizeof *item);
    return dravlen::BindHazmat(item, pid) ? 1 : 0;
}

// The copy goes through the item record, exactly as a saved item would:
// it is re-bound to the current row and re-validated.  An item that cannot
// be read back (no packing group chosen, PID without a row) leaves dest's
// members as they were.  src is not changed: its shipping-paper answers
// are mirrored into a copy of its dictionary.
DRAVLEN_API void Copy_Hazmat(Hazmat *dest, const Hazmat *src)
{
    if (!dest || !src || dest == src)
        return;
    Dict dict{nullptr};
    if (!dravlen::CopyDict(&dict, &src->dict))
        return;  // out of memory: dest keeps what it had
    dravlen::MirrorAnswers(&src->questions, &dict);
    std::vector<uint8_t> record(32 + dravlen::DictBlockLength(&dict));
    const size_t size = dravlen::WriteHazmatRecord(src, &dict, record.data());
    dravlen::ReleaseDict(&dict);
    dravlen::UnserializeHazmatBounded(dest, record.data(), size, 7);
}

DRAVLEN_API int GetPID_Hazmat(const Hazmat *item) { return item->pid; }

} // extern "C"
