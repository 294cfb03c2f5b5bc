// The item record's lifecycle: storage, binding to a Hazardous Materials
// Table row, release and copy.  This is the starting point of the item
// family; its properties, qualifiers, binding defaults (packing group,
// shipping name, elevated temperature) and binary records build on it.
#include "dravlen.h"

#include "compute/dict.h"
#include "compute/load_inspection.h"

#include <cstdlib>
#include <cstring>

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
    dravlen::ReleaseItemLists(item);
    std::memset(item, 0, sizeof *item);
    if (pid == 0 || !GetCTRec_HazData(pid))
        return 0;
    item->pid = pid;
    return 1;
}

DRAVLEN_API void Copy_Hazmat(Hazmat *dest, const Hazmat *src)
{
    if (!dest || !src || dest == src)
        return;
    Hazmat copy;
    std::memset(&copy, 0, sizeof copy);
    copy.pid = src->pid;
    copy.wordA = src->wordA;
    copy.wordB = src->wordB;
    copy.nameIndex = src->nameIndex;
    copy.weight = src->weight;
    copy.transportIndex = src->transportIndex;
    copy.csi = src->csi;
    // The dictionary carries the item's saved answers; the question and
    // violation lists are derived and rebuilt when the copy joins a load.
    if (!dravlen::CopyDict(&copy.dict, &src->dict))
        return; // out of memory: dest keeps what it had
    dravlen::ReleaseItemLists(dest);
    *dest = copy;
}

DRAVLEN_API int GetPID_Hazmat(const Hazmat *item) { return item->pid; }

} // extern "C"
