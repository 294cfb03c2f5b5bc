// What the truckload asks of the inspection model: rebuilding its question
// sets, re-evaluating violations and releasing question and violation
// lists.  The bodies hand over to engine/inspection.
#include "compute/load_inspection.h"

#include "inspection/inspection.h"
#include "inspection/question.h"
#include "inspection/violation.h"

namespace dravlen {

void RebuildLoadQuestions(Load *load, int mode)
{
    UpdateQuestions(load, mode);
}

void ReevaluateLoadPaperViolations(Load *load)
{
    EvaluateLoadPaperViolations(load);
}

void ReleaseQuestionList(QuestionList *list)
{
    FreeQuestionList(list);
}

void ReleaseViolationList(ViolationList *list)
{
    FreeViolationList(list);
}

} // namespace dravlen
