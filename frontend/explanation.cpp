#include "frontend/explanation.h"

#include <algorithm>
#include <memory>

namespace velmora::frontend {

std::vector<ReasonLine> explainOption(Engine *engine, int index)
{
    std::vector<ReasonLine> lines;
    if (!engine)
        return lines;
    const std::unique_ptr<DravlenExplanation, void (*)(DravlenExplanation *)> e(Explain_Engine(engine, index),
                                                                                 Free_Explanation);
    const int count = GetCount_Explanation(e.get());
    for (int i = 0; i < count; ++i) {
        ReasonLine line;
        line.kind = GetKind_Explanation(e.get(), i);
        line.text = GetText_Explanation(e.get(), i);
        line.citation = GetCitation_Explanation(e.get(), i);
        for (int n = 0; n < GetItemCount_Explanation(e.get(), i); ++n)
            line.items.push_back(GetItem_Explanation(e.get(), i, n));
        line.placard = GetPlacard_Explanation(e.get(), i);
        lines.push_back(std::move(line));
    }
    return lines;
}

const char *reasonKindName(int kind)
{
    switch (kind) {
    case REASON_PLACARD: return "placard";
    case REASON_NO_PLACARD: return "no placard";
    case REASON_DANGEROUS: return "DANGEROUS";
    case REASON_IDENTIFICATION_NUMBER: return "identification number";
    case REASON_MARKING: return "marking";
    case REASON_SEGREGATION: return "segregation";
    case REASON_PERMIT: return "permit";
    case REASON_NOTICE: return "notice";
    default: return "reason";
    }
}

std::vector<ReasonLine> reasonsAbout(const std::vector<ReasonLine> &lines, int item)
{
    std::vector<ReasonLine> about;
    for (const ReasonLine &line : lines)
        if (std::find(line.items.begin(), line.items.end(), item) != line.items.end())
            about.push_back(line);
    return about;
}

std::vector<ReasonLine> reasonsOfPlacard(const std::vector<ReasonLine> &lines, int placard)
{
    std::vector<ReasonLine> about;
    for (const ReasonLine &line : lines)
        if (placard >= 0 && line.placard == placard)
            about.push_back(line);
    return about;
}

} // namespace velmora::frontend
