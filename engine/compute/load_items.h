// Adding items to a truckload.
#pragma once

#include "dravlen.h"

namespace dravlen {

// Appends a copy of item to the load without rebuilding the shipping-paper
// questions: Add_Load does that after every item; a reader adding many
// items at once rebuilds once at the end.  Returns the new index, or -1 when
// the item cannot be represented (the load is unchanged).
int AppendLoadItem(Load *load, const Hazmat *item);

} // namespace dravlen
