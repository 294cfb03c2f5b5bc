// The "Why?" pane of the compliance view: the reasons of the placarding
// option shown, one row per line of the engine's explanation (what it is
// about, the reason with its figures, the citation).  Double-clicking a row
// opens the regulations at its citation.
#pragma once

#include "frontend/explanation.h"

#include <QString>
#include <QWidget>

#include <vector>

class QTreeWidget;

namespace velmora {

// The cross-reference key of the first citation of a reason:
// "49 CFR 172.504(a), (c)" gives "49cfr172.504(a)"; "" for none.
QString reasonCitationKey(const QString &citation);

class WhyPane : public QWidget {
    Q_OBJECT
public:
    explicit WhyPane(QWidget *parent = nullptr);

    void setReasons(std::vector<frontend::ReasonLine> reasons);
    const std::vector<frontend::ReasonLine> &reasons() const { return reasons_; }
    QTreeWidget *list() const { return list_; }

    // The reasons of the option's placard `placard` as lines of text ("\n"
    // between them, as the information panel takes them); "" when none.
    QString placardReasonsText(int placard) const;
    // Selects the rows of the option's placard `placard`; -1 clears.
    void markPlacard(int placard);

signals:
    void citationClicked(const QString &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Row heights that hold each reason wrapped to the Reason column.
    void measureRows();

    std::vector<frontend::ReasonLine> reasons_;
    QTreeWidget *list_ = nullptr;
};

} // namespace velmora
