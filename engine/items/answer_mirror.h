#pragma once

#include "dravlen.h"

namespace dravlen {

// Stores every question's answer of the list, in list order, under
// "SPA_QID" + its ID in decimal, as decimal text.
void MirrorAnswers(const QuestionList *questions, Dict *dict);

} // namespace dravlen
