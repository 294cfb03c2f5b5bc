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

} // namespace dravlen
