// The inspection question record: one yes/no question of a question list.
// The questions of one list form a tree of at most three levels (top-level,
// child, grandchild) in pre-order: a question, its children each followed
// by its own subtree, then its next sibling.
#pragma once

#include "dravlen.h"

#include <cstdint>

struct Question {
    int32_t id;              // identity inside its list (catalogue question ID)
    const char *topCategory; // constant: "MCTI" or "Shipping"
    char *subCategory;       // owned copy
    const char *text;        // constant
    const char *citation;    // constant; may be ""
    int32_t answer;          // 0 No, 1 Yes, 2 unanswered
    int32_t hideWhen;        // parent answer that hides a child question
    const char *helpLink;    // constant, or null
    Question *next;          // next sibling
    Question *firstChild;
    Question *parent;
};

namespace dravlen {

// The question after q in list (pre-)order, or null at the end.
inline const Question *NextInTree(const Question *q)
{
    if (q->firstChild)
        return q->firstChild;
    for (const Question *up = q; up; up = up->parent) {
        if (up->next)
            return up->next;
    }
    return nullptr;
}

constexpr int32_t kNo = 0;
constexpr int32_t kYes = 1;
constexpr int32_t kUnanswered = 2;

inline Question *NextInTree(Question *q)
{
    return const_cast<Question *>(NextInTree(static_cast<const Question *>(q)));
}

// A new unanswered question with its own copy of subCategory; null when
// memory runs out.
Question *NewQuestion(int32_t id, const char *topCategory, const char *subCategory,
                      const char *text, const char *citation);

// Appends q after the last top-level question of the list.
void AppendTopLevel(QuestionList *list, Question *q);

// Appends q as the last child of the first question (list order) whose ID
// is parentId.  False (q freed) when there is no such question.
bool AppendChild(QuestionList *list, int32_t parentId, int32_t hideWhen, Question *q);

// Frees every question of the list with its sub-category text.
void FreeQuestionList(QuestionList *list);

// The question at list position pos, or null past the end.
Question *QuestionAt(const QuestionList &list, uint32_t pos);

// Number of ancestors: 0 top-level, 1 child, 2 grandchild.
int QuestionLevel(const Question *q);

// A top-level question is always visible; a child is visible while its
// parent is visible and the parent's answer is not the child's hide-when
// answer (so an unanswered parent shows all its children).
bool IsVisible(const Question *q);

// Number of direct children.
uint32_t ChildCount(const Question *q);

// Number of top-level questions of the list.
uint32_t TopLevelCount(const QuestionList &list);

} // namespace dravlen
