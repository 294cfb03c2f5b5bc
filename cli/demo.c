/* A small demonstration of the public interface: parses the hazard codes of
 * a few well-known materials and prints what the engine makes of them.  It
 * grows into the batch checker as the engine does. */
#include "dravlen.h"

#include <stdio.h>

int main(void)
{
    static const char *const codes[] = {"3", "2.3", "1.4S", "COMB", "6.1", "8"};
    printf("Velmora engine demo: hazard codes\n");
    for (size_t i = 0; i < sizeof codes / sizeof codes[0]; ++i) {
        HazDiv hd;
        if (!Init_HazDiv(&hd, codes[i])) {
            printf("  %-5s rejected\n", codes[i]);
            continue;
        }
        printf("  %-5s class %d division %d  %s\n", GetString_HazDiv(&hd),
               GetClass_HazDiv(&hd), GetDivision_HazDiv(&hd), GetDesc_HazDiv(&hd));
    }
    return 0;
}
