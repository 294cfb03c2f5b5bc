// Storage the library hands to callers: released with qv_free.
#include "dravlen.h"

#include <cstdlib>

extern "C" DRAVLEN_API void qv_free(void *p)
{
    std::free(p);
}
