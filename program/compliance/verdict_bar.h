// The verdict bar at the top of the compliance view: whether the truckload
// may go and whether it needs a hazmat safety permit, each with its reason,
// its citation and a link down to the findings.
#pragma once

#include "compliance/verdict.h"

#include <QFrame>

class QLabel;

namespace velmora {

class VerdictBar : public QFrame {
    Q_OBJECT
public:
    explicit VerdictBar(QWidget *parent = nullptr);

    void setVerdict(const Verdict &verdict);
    // Nothing to judge: an empty truckload.
    void clear();

    // The texts as shown, for the window's tests and screen readers.
    QString legalityText() const;
    QString permitText() const;

signals:
    void findingsRequested();
    void citationClicked(const QString &citationKey);

private:
    void showLine(QLabel *badge, QLabel *text, const QString &badgeText, const QColor &colour, const VerdictLine &line,
                  bool linkFindings);
    void activate(const QString &link);

    QLabel *legalityBadge_, *legalityText_, *permitBadge_, *permitText_;
};

} // namespace velmora
