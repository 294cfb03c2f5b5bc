#include "frontend/placard_limit.h"

#include "dravlen.h"

namespace velmora::frontend {

bool computeWithinPlacardLimit(Engine *engine)
{
    if (!engine || !UsingBulkPlacards_Engine(engine))
        return false;
    const int options = GetNumOutputs_Engine(engine);
    for (int i = 0; i < options; ++i) {
        if (GetNumPlacards_Output(GetOutput_Engine(engine, i)) > kMaxPlacardsShown) {
            SetBulkPlacards_Engine(engine, 0);
            Calculate_Engine(engine);
            SetBulkPlacards_Engine(engine, -1);
            return true;
        }
    }
    return false;
}

} // namespace velmora::frontend
