// The filter dialog of the Saved Truckloads view ("Filter Saved Loads").
#pragma once

#include "app/prompts.h"
#include "saved/saved_list.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace velmora {

class SavedFilterDialog : public QDialog {
    Q_OBJECT
public:
    // `savePath` (with its separator) fills the location list when none is
    // stored; the legality group is disabled when legality is not processed.
    SavedFilterDialog(const SavedFilter &filter, bool processLegality, const QString &savePath, Prompts &prompts,
                         QWidget *parent = nullptr);

    // The folder chooser ("Select A Folder"); tests replace it.
    std::function<QString()> chooseFolder;

    // The filter as OK stores it, at `now`.
    SavedFilter result(const QDateTime &now) const;

    QLineEdit *nameEdit = nullptr;
    QComboBox *matchCombo = nullptr;
    QCheckBox *dateCheck = nullptr, *legalityCheck = nullptr, *locationsCheck = nullptr;
    QRadioButton *monthsRadio = nullptr, *daysRadio = nullptr, *betweenRadio = nullptr;
    QSpinBox *monthsSpin = nullptr, *daysSpin = nullptr;
    QDateEdit *fromDateEdit = nullptr, *toDateEdit = nullptr;
    QCheckBox *legalCheck = nullptr, *illegalCheck = nullptr, *unknownCheck = nullptr;
    QListWidget *locationList = nullptr;
    QPushButton *addButton = nullptr, *removeButton = nullptr, *resetButton = nullptr;

public slots:
    void updateDateControls();
    void updateDateRange();
    void updateLegalityControls();
    void updateLocationControls();
    void addLocation();
    void removeLocation();
    void reset();

private:
    Prompts &prompts_;
    QString savePath_;
    bool processLegality_;
};

} // namespace velmora
