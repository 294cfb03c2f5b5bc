// Materials the Hazardous Materials Table lists as "Forbidden" in column 3
// (49 CFR 172.101(d)(1)): they may not be offered or accepted for
// transportation.  They carry no ID number and are not table rows.
#include "refdata/hmt_table.h"

#include <cctype>

namespace dravlen {

namespace {
const char *const kForbiddenNames[] = {
#include "forbidden_names.inc"
};

bool EqualNoCase(const char *a, const char *b)
{
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}
} // namespace

bool IsForbiddenName(const char *name)
{
    if (name == nullptr)
        return false;
    for (const char *f : kForbiddenNames)
        if (EqualNoCase(f, name))
            return true;
    return false;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int SearchForbidden_HazData(const char *words, int after)
{
    if (words == nullptr)
        return -1;
    const int count = static_cast<int>(sizeof kForbiddenNames / sizeof kForbiddenNames[0]);
    for (int i = after < 0 ? 0 : after + 1; i < count; ++i)
        if (MatchesWords(kForbiddenNames[i], words))
            return i;
    return -1;
}

DRAVLEN_API const char *GetForbiddenName_HazData(int i)
{
    const int count = static_cast<int>(sizeof kForbiddenNames / sizeof kForbiddenNames[0]);
    return i >= 0 && i < count ? kForbiddenNames[i] : nullptr;
}

} // extern "C"
