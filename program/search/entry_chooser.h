// The question asked when an ID number has several Hazardous Materials
// Table entries (UN1993 and the NA1993 entries, for example): which one?
#pragma once

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QTreeWidget;

namespace velmora {

struct EntryChoice {
    int pid = 0;
    QString id;              // "NA1993"
    QString shippingName;    // as the lists show it
    QString hazardClass;
    QString packingGroups;   // "I, II, III"
};

class EntryChooser : public QDialog {
    Q_OBJECT
public:
    EntryChooser(const QString &number, const std::vector<EntryChoice> &entries, QWidget *parent = nullptr);
    // The PID of the entry chosen, 0 while none is selected.
    int chosenPid() const;
    QTreeWidget *list() const { return list_; }

private:
    QTreeWidget *list_;
};

// The entry for `number`: the only one without asking, one of several
// as the user chooses in a modal chooser, nothing when there is none or the
// user cancels.
std::optional<int> chooseEntry(QWidget *parent, const QString &number, const std::vector<EntryChoice> &entries);

} // namespace velmora
