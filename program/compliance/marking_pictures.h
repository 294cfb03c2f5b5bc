// MarkingPainter: the pictures of an option's markings: orange panels with the
// identification number (172.332), the framed shipping name of a cargo tank
// of gas (172.328(b)) and the named marking pictures.
#pragma once

#include "compliance/compliance_results.h"

#include <QImage>
#include <QString>
#include <vector>

namespace velmora {

// The identification number as a panel shows it: at least four digits.
QString markingNumberText(int idNumber);

class MarkingPainter {
public:
    void setMarkings(std::vector<MarkingEntry> markings) { markings_ = std::move(markings); }
    const std::vector<MarkingEntry> &markings() const { return markings_; }
    int count() const { return static_cast<int>(markings_.size()); }
    void setFontAdjust(int adjust) { fontAdjust_ = adjust; }

    // The picture of marking i (null for an index out of range).
    QImage picture(int i) const;
    // The marking panel text of marking i.
    QString hoverText(int i) const;
    // The citation key its click opens ("49CFR172.302(a)"), or empty.
    QString citation(int i) const;

private:
    const MarkingEntry *at(int i) const;

    std::vector<MarkingEntry> markings_;
    int fontAdjust_ = 0;
};

} // namespace velmora
