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
