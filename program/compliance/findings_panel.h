// The findings of a computation under their headings, most serious first,
// a finding that repeats another shown once: each with its icon, the items
// it concerns, the gist of its reason and its citation.  The pointer over a
// finding explains it in full; a click opens the regulation it cites.
#pragma once

#include "compliance/verdict.h"

#include <QWidget>
#include <vector>

class QVBoxLayout;

namespace velmora {

class FindingsPanel : public QWidget {
    Q_OBJECT
public:
    explicit FindingsPanel(QWidget *parent = nullptr);

    void setFindings(const std::vector<MessageEntry> &messages);
    const std::vector<FindingGroup> &groups() const { return groups_; }
    // The headings shown, in order, with their counts: "Do Not Load (1)".
    QStringList headings() const;
    int findingCount() const;

signals:
    void findingHovered(const velmora::MessageEntry *finding);   // null when the pointer leaves
    void citationClicked(const QString &citationKey);

private:
    QVBoxLayout *layout_;
    std::vector<FindingGroup> groups_;
    QList<QWidget *> shown_;
};

} // namespace velmora
