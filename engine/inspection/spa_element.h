// The shipping-paper element report: for one item, what each cell of a
// correct shipping-paper entry (49 CFR 172.202-172.205) must contain, as
// HTML with every required wording linked to its help page.
#pragma once

#include "inspection/item_facts.h"

#include <string>

namespace dravlen {

// Element 0-8 of an item (layout 0 numbering); "" for another element.
std::string SpaElement(const ItemFacts &item, const LoadItemFacts &load, int element);

// The load-level paragraph.
std::string SpaLoadParagraph(bool exclusiveUseShipment, bool exclusiveUse);

} // namespace dravlen
