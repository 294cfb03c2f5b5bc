// The shipping-paper auditor page: for the whole truckload, what its
// shipping papers must hold (49 CFR 172.200-172.205), one table row group
// per item that needs an entry, built cell by cell from the library's
// shipping-paper elements.
#pragma once

#include <QString>

struct Hazmat;
struct Load;

namespace velmora::shipping_paper {

// The page for `load` headed with the truck ID `truckId`.  Reads the load,
// changes nothing in it; every element text the library returns is released
// here.
QString shippingPaperPage(Load *load, const QString &truckId);

// 172.101(c)(1): where the table gives an entry several shipping names in
// roman type ("Petroleum gases, liquefied or Liquefied petroleum gas"),
// any one of them may stand on the shipping paper.  The line listing them,
// to follow the shipping name in its cell; empty for an entry with one.
QString acceptableNames(const Hazmat *item);

} // namespace velmora::shipping_paper
