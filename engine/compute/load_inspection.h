// What the truckload asks of the inspection model: rebuilding its question
// sets, re-evaluating violations and releasing question and violation
// lists.  The inspection question model and the violation model fill these.
#pragma once

#include "dravlen.h"

namespace dravlen {

// Rebuilds a question set of the truckload: mode 0 the cargo tank
// inspection questions of its vehicle code, mode 1 the shipping-paper
// questions of the load and of every item.
void RebuildLoadQuestions(Load *load, int mode);

// Re-evaluates the load-level shipping-paper violations after an item was
// added.
void ReevaluateLoadPaperViolations(Load *load);

// Frees every question / violation of a list and leaves it empty.
void ReleaseQuestionList(QuestionList *list);
void ReleaseViolationList(ViolationList *list);

} // namespace dravlen
