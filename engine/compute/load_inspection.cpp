// Seams: the inspection question model (UpdateQuestions_Vehicle, the
// question catalogue) and the violation model are not part of the library
// yet.  Until they are, no question or violation is ever created, so there
// is nothing to rebuild, re-evaluate or free; the inspection task replaces
// these bodies.
#include "compute/load_inspection.h"

namespace dravlen {

void RebuildLoadQuestions(Load * /*load*/, int /*mode*/)
{
    // Seam: UpdateQuestions_Vehicle(load, mode) of the inspection question model.
}

void ReevaluateLoadPaperViolations(Load * /*load*/)
{
    // Seam: the shipping-paper violation evaluation of the violation model.
}

void ReleaseQuestionList(QuestionList *list)
{
    // Seam: the question model frees the tree here.  No list is ever filled
    // before it exists.
    list->head = nullptr;
    list->count = 0;
}

void ReleaseViolationList(ViolationList *list)
{
    // Seam: the violation model frees the chain here.  No list is ever
    // filled before it exists.
    list->head = nullptr;
    list->enabledCount = 0;
}

} // namespace dravlen
