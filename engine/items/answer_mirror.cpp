// Shipping-paper answers of an item, mirrored into its dictionary so that
// they travel with the saved item: "SPA_QID" + question ID -> answer.
#include "items/answer_mirror.h"

#include "inspection/question.h"

#include <cstdio>

namespace dravlen {

void MirrorAnswers(const QuestionList *questions, Dict *dict)
{
    for (const Question *q = questions->head; q; q = NextInTree(q)) {
        char key[32];
        char value[16];
        std::snprintf(key, sizeof key, "SPA_QID%d", q->id);
        std::snprintf(value, sizeof value, "%d", q->answer);
        Add_Dict(dict, key, value);
    }
}

} // namespace dravlen
