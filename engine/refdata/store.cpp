#include "refdata/store.h"

#include "refdata/reftables.h"
#include "refdata/rulesets.h"

namespace dravlen {

namespace {
int g_users = 0;
} // namespace

void AcquireReferenceStore()
{
    if (g_users == 0) {
        // A new store starts on the ruleset that is mandatory today.
        SetCurrentRuleset(DefaultRuleset());
    }
    ++g_users;
}

void ReleaseReferenceStore()
{
    if (g_users > 0 && --g_users == 0)
        ReleaseReferenceTables();
}

int ReferenceStoreUsers()
{
    return g_users;
}

} // namespace dravlen
