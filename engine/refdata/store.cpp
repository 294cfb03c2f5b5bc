#include "refdata/store.h"

#include "refdata/hmt_table.h"
#include "refdata/rulesets.h"
#include "refdata/reftables.h"

namespace dravlen {

namespace {
int g_users = 0;
} // namespace

void AcquireReferenceStore()
{
    if (g_users == 0) {
        // A new store starts on the ruleset that is mandatory today.
        SetCurrentRuleset(DefaultRuleset());
        // The table rows and the 43 PID indexes, empty: records are decoded
        // on first use.
        CreateHmtState();
    }
    ++g_users;
}

void ReleaseReferenceStore()
{
    if (g_users == 0)
        return;
    if (--g_users == 0) {
        FreeHmtState();
        ReleaseReferenceTables();
    }
}

int ReferenceStoreUsers()
{
    return g_users;
}

} // namespace dravlen
