// The truckload's inspection state seen from inside the engine: question
// index spaces, the rebuild of the question sets and the re-evaluation of
// the violations derived from answers.
#pragma once

#include "dravlen.h"

#include <cstdint>

namespace dravlen {

// Where a question index of mode 1 (the shipping-paper index space) lands:
// the load-level list (item -1) or item `item`'s list, at position `pos`.
struct PaperPosition {
    int64_t item = -1;
    uint32_t pos = 0;
};

// Total count of the shipping-paper index space.
uint32_t PaperQuestionCount(const Load *load);

// The first index of item `item`'s questions in the shipping-paper index
// space.
uint32_t ItemPaperBase(const Load *load, uint32_t item);

// Resolves a mode-1 index; false past the end of the index space.
bool ResolvePaperIndex(const Load *load, uint32_t index, PaperPosition *out);

// The question at an index of mode 0 or 1, or null.
Question *QuestionAtIndex(Load *load, uint32_t index, int mode);

// Rebuilds the question lists of a mode; the count of the load-level
// shipping-paper list.
uint32_t UpdateQuestions(Load *load, int mode);

// UpdateQuestions(load, 1) after an item was appended to the load, with
// the same result, rebuilding only what the new item changes.
void UpdateQuestionsForAppendedItem(Load *load);

// Sets every load-level shipping-paper answer from its "SPA_QID" + ID entry
// of the load's dictionary (unanswered when absent) and marks the list
// stale.  Used when a saved truckload's dictionary has been read.
void RestoreLoadPaperAnswers(Load *load);

// Cargo tank inspection violations: brought up to date when stale.
void UpdateMctiViolations(Load *load);

// Load-level shipping-paper violations: evaluated now, then every stale
// item.
void EvaluateLoadPaperViolations(Load *load);

// Brings the shipping-paper violations up to date: the load-level list when
// stale, then every stale item.
void UpdatePaperViolations(Load *load);

// One item's shipping-paper violations (evaluated now).
void EvaluateItemPaperViolations(Load *load, uint32_t item);
// The same, with the item's ItemPaperBase already known.
void EvaluateItemPaperViolations(Load *load, uint32_t item, uint32_t paperBase);

// The shipping-paper violations of every stale item (evaluated now).
void EvaluateStaleItems(Load *load);

} // namespace dravlen

namespace dravlen {

// Question references of the segregation list (49 CFR 177.848).
constexpr int32_t kSegregationTableRef = 0;    // 177.848(d), the segregation table
constexpr int32_t kClass1SeparationRef = 1;    // 177.848(f), Class 1 materials
constexpr int32_t kOtherSegregationRef = 2;    // 171.2(a), another 49 CFR rule

// Keeps the load's segregation list to the one finding of the last check:
// ref -1 empties it; 0 and 1 post 177.848(d) and 177.848(f); 2 posts
// 171.2(a) described as "Violation of <citation>.".  A finding that is
// already posted keeps its state (a deleted one stays deleted).
void PostSegregationViolation(Load *load, int32_t ref, const char *citation);

} // namespace dravlen
