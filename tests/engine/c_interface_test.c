/* A C program that knows only dravlen.h: it must compile as C and drive the
 * engine through the shared library. */
#include "dravlen.h"

#include <stdio.h>
#include <string.h>

static int failures = 0;

#define CHECK(cond)                                                    \
    do {                                                               \
        if (!(cond)) {                                                 \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__,     \
                    __LINE__, #cond);                                  \
            ++failures;                                                \
        }                                                              \
    } while (0)

int main(void)
{
    HazDiv hd;
    CHECK(Init_HazDiv(&hd, "2.3") == 1);
    CHECK(GetClass_HazDiv(&hd) == 2 && GetDivision_HazDiv(&hd) == 3);
    CHECK(strcmp(GetDesc_HazDiv(&hd), "Poison Gas") == 0);
    CHECK(Init_HazDiv(&hd, "1.4I") == 0);

    if (failures == 0)
        printf("c_interface: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
