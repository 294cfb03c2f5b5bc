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

    /* An engine in storage of the library's size, an empty truckload. */
    Engine *engine = Alloc_Engine();
    CHECK(engine != NULL && GetSizeOf_Engine() == (int)sizeof(Engine));
    if (engine != NULL) {
        CHECK(Init_Engine(engine) == engine);
        Load *load = GetLoad_Engine(engine);
        CHECK((void *)load == (void *)engine);
        CHECK(GetItemCount_Load(load) == 0);
        CHECK(SetVehicle_Load(load, "MC/TC 331") == 1);
        CHECK(strcmp(GetVehicle_Load(load), "MC/TC 331") == 0);

        CHECK(Calculate_Engine(engine) == 1);
        CHECK(GetNumOutputs_Engine(engine) == 1);
        CHECK(GetLegality_Engine(engine) == 0);
        CHECK(GetOutput_Engine(engine, 1) == NULL);

        /* Walk every option as the program does. */
        for (int i = 0; i < GetNumOutputs_Engine(engine); ++i) {
            Output *out = GetOutput_Engine(engine, i);
            Placard placard;
            Marking marking;
            HazSeg *seg = Alloc_HazSeg();
            CHECK(out != NULL && seg != NULL);
            if (out == NULL || seg == NULL) {
                qv_free(seg);
                break;
            }
            int placards = 0, markings = 0, messages = 0, allowed = 0;
            for (int ok = GetFirstPlacard_Output(out, &placard); ok; ok = GetNextPlacard_Output(out, &placard))
                ++placards;
            for (int ok = GetFirstMarking_Output(out, &marking); ok; ok = GetNextMarking_Output(out, &marking))
                ++markings;
            for (int ok = GetFirstAllowedPlacard_Output(out, &placard); ok;
                 ok = GetNextAllowedPlacard_Output(out, &placard))
                ++allowed;
            for (int ok = GetFirstSegregation_Output(out, seg); ok; ok = GetNextSegregation_Output(out, seg))
                ++messages;
            CHECK(placards == 0 && GetNumPlacards_Output(out) == 0);
            CHECK(markings == 0 && GetNumMarkings_Output(out) == 0);
            CHECK(allowed == 0);
            CHECK(messages == 0 && GetNumSegregations_Output(out) == 0);
            CHECK(GetLegality_Output(out) == 0);
            qv_free(seg);
        }

        Dict dict = {NULL};
        CHECK(Add_Dict(&dict, "USDOT Number", "12345") == 1);
        CHECK(strcmp(Find_Dict(&dict, "USDOT Number"), "12345") == 0);
        CHECK(Add_Dict(&dict, "USDOT Number", NULL) == 1);
        CHECK(Find_Dict(&dict, "USDOT Number") == NULL);

        Destroy_Engine(engine);
        qv_free(engine);
    }

    if (failures == 0)
        printf("c_interface: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
