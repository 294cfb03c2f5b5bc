// The explanation of one placarding option, and its C interface.
#include "compute/explain.h"

#include <new>

namespace dravlen {

std::vector<Reason> ExplainOption(Engine *engine, int index)
{
    std::vector<Reason> reasons;
    const Output &output = engine->output;
    if (index < 0 || index >= output.optionCount)
        return reasons;
    const PlacOp &option = output.options[index];
    ExplainPlacards(engine, option, reasons);
    ExplainDangerous(engine, option, reasons);
    ExplainMarkings(engine, option, reasons);
    ExplainMessages(engine, reasons);
    ExplainPermit(engine, reasons);
    return reasons;
}

} // namespace dravlen

struct DravlenExplanation {
    std::vector<dravlen::Reason> reasons;
};

namespace {

const dravlen::Reason *Line(const DravlenExplanation *e, int i)
{
    if (!e || i < 0 || static_cast<size_t>(i) >= e->reasons.size())
        return nullptr;
    return &e->reasons[static_cast<size_t>(i)];
}

} // namespace

extern "C" {

DRAVLEN_API DravlenExplanation *Explain_Engine(Engine *engine, int index)
{
    if (!engine || index < 0 || index >= engine->output.optionCount)
        return nullptr;
    try {
        return new DravlenExplanation{dravlen::ExplainOption(engine, index)};
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

DRAVLEN_API void Free_Explanation(DravlenExplanation *explanation) { delete explanation; }

DRAVLEN_API int GetCount_Explanation(const DravlenExplanation *explanation)
{
    return explanation ? static_cast<int>(explanation->reasons.size()) : 0;
}

DRAVLEN_API int GetKind_Explanation(const DravlenExplanation *explanation, int i)
{
    const dravlen::Reason *r = Line(explanation, i);
    return r ? r->kind : 0;
}

DRAVLEN_API const char *GetText_Explanation(const DravlenExplanation *explanation, int i)
{
    const dravlen::Reason *r = Line(explanation, i);
    return r ? r->text.c_str() : nullptr;
}

DRAVLEN_API const char *GetCitation_Explanation(const DravlenExplanation *explanation, int i)
{
    const dravlen::Reason *r = Line(explanation, i);
    return r ? r->citation.c_str() : nullptr;
}

DRAVLEN_API int GetItemCount_Explanation(const DravlenExplanation *explanation, int i)
{
    const dravlen::Reason *r = Line(explanation, i);
    return r ? static_cast<int>(r->items.size()) : -1;
}

DRAVLEN_API int GetItem_Explanation(const DravlenExplanation *explanation, int i, int n)
{
    const dravlen::Reason *r = Line(explanation, i);
    if (!r || n < 0 || static_cast<size_t>(n) >= r->items.size())
        return -1;
    return static_cast<int>(r->items[static_cast<size_t>(n)]);
}

DRAVLEN_API int GetPlacard_Explanation(const DravlenExplanation *explanation, int i)
{
    const dravlen::Reason *r = Line(explanation, i);
    return r ? r->placard : -1;
}

} // extern "C"
