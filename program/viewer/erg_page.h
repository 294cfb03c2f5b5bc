// The Emergency Response Guide pages as HTML text: the guide of each item
// of a truckload with its isolation and protective action distances, one
// guide, and the start page.  Pure functions.
#pragma once

#include "viewer/erg_library.h"

#include <QString>
#include <QVector>

namespace velmora::viewer {

struct ErgItem {
    QString id;           // "UN1017"
    QString name;         // shipping name, plain text
    QString hazardClass;  // primary hazard code ("2.3", "1.4S")
    QString tableGuide;   // the guide of the item's table row ("124"), may be empty
};

// With no item: the start page.  With several: a list of links to each
// item's part first.  Each item: a summary table (ID No., Guide No., Name of
// Material, green when Table 1 distances apply), the guide's three sections,
// the Table 1 distances and the Table 2 gases when the ID has them.
QString ergPageHtml(const ErgLibrary &erg, const QVector<ErgItem> &items);

// One guide alone (from the guide list or a "guide:128" link).
QString guidePageHtml(const ErgLibrary &erg, const QString &number);

// The guide's sections as HTML (used by both pages).
QString guideBodyHtml(const Guide &guide);

// The Table 1 block of a lookup; empty when the ID has no distances.
QString distancesHtml(const ErgLookup &lookup);

} // namespace velmora::viewer
