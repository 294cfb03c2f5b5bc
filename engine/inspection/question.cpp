#include "inspection/question.h"

#include <cstdlib>
#include <cstring>

namespace dravlen {

Question *NewQuestion(int32_t id, const char *topCat, const char *subCat, const char *text,
                      const char *citation)
{
    auto *q = static_cast<Question *>(std::calloc(1, sizeof(Question)));
    if (!q)
        return nullptr;
    const char *sub = subCat ? subCat : "";
    const std::size_t n = std::strlen(sub) + 1;
    q->subCategory = static_cast<char *>(std::malloc(n));
    if (!q->subCategory) {
        std::free(q);
        return nullptr;
    }
    std::memcpy(q->subCategory, sub, n);
    q->id = id;
    q->topCategory = topCat;
    q->text = text;
    q->citation = citation ? citation : "";
    q->answer = kUnanswered;
    return q;
}

namespace {

void FreeQuestion(Question *q)
{
    std::free(q->subCategory);
    std::free(q);
}

void FreeTree(Question *q)
{
    while (q) {
        Question *next = q->next;
        FreeTree(q->firstChild);
        FreeQuestion(q);
        q = next;
    }
}

Question *LastSibling(Question *q)
{
    while (q && q->next)
        q = q->next;
    return q;
}

} // namespace

void AppendTopLevel(QuestionList *list, Question *q)
{
    q->parent = nullptr;
    if (Question *last = LastSibling(list->head))
        last->next = q;
    else
        list->head = q;
    ++list->count;
}

bool AppendChild(QuestionList *list, int32_t parentId, int32_t hideWhen, Question *q)
{
    Question *parent = list->head;
    while (parent && parent->id != parentId)
        parent = NextInTree(parent);
    if (!parent) {
        FreeQuestion(q);
        return false;
    }
    q->parent = parent;
    q->hideWhen = hideWhen;
    if (Question *last = LastSibling(parent->firstChild))
        last->next = q;
    else
        parent->firstChild = q;
    ++list->count;
    return true;
}

void FreeQuestionList(QuestionList *list)
{
    FreeTree(list->head);
    list->head = nullptr;
    list->count = 0;
}

Question *QuestionAt(const QuestionList &list, uint32_t pos)
{
    if (pos >= list.count)
        return nullptr;
    Question *q = list.head;
    for (uint32_t i = 0; q && i < pos; ++i)
        q = NextInTree(q);
    return q;
}

int QuestionLevel(const Question *q)
{
    int level = 0;
    for (const Question *p = q->parent; p; p = p->parent)
        ++level;
    return level;
}

bool IsVisible(const Question *q)
{
    for (; q->parent; q = q->parent) {
        if (q->parent->answer == q->hideWhen)
            return false;
    }
    return true;
}

uint32_t ChildCount(const Question *q)
{
    uint32_t n = 0;
    for (const Question *c = q->firstChild; c; c = c->next)
        ++n;
    return n;
}

uint32_t TopLevelCount(const QuestionList &list)
{
    uint32_t n = 0;
    for (const Question *q = list.head; q; q = q->next)
        ++n;
    return n;
}

} // namespace dravlen
