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

class TfrmSavedLoadsFilter : public QDialog {
    Q_OBJECT
public:
    // `savePath` (with its separator) fills the location list when none is
    // stored; the legality group is disabled when legality is not processed.
    TfrmSavedLoadsFilter(const SavedFilter &filter, bool processLegality, const QString &savePath, Prompts &prompts,
                         QWidget *parent = nullptr);

    // The folder chooser ("Select A Folder"); tests replace it.
    std::function<QString()> chooseFolder;

    // The filter as OK stores it, at `now`.
    SavedFilter result(const QDateTime &now) const;

    QLineEdit *edtName = nullptr;
    QComboBox *cbMatch = nullptr;
    QCheckBox *chkDate = nullptr, *chkLegality = nullptr, *chkLocations = nullptr;
    QRadioButton *rbMonths = nullptr, *rbDays = nullptr, *rbBetween = nullptr;
    QSpinBox *spMonths = nullptr, *spDays = nullptr;
    QDateEdit *dtFrom = nullptr, *dtTo = nullptr;
    QCheckBox *chkLegal = nullptr, *chkIllegal = nullptr, *chkUnknown = nullptr;
    QListWidget *lbLocations = nullptr;
    QPushButton *btnAdd = nullptr, *btnRemove = nullptr, *btnReset = nullptr;

public slots:
    void chkDateClick();
    void radioClick();
    void chkLegalityClick();
    void chkLocationsClick();
    void btnAddClick();
    void btnRemoveClick();
    void btnResetClick();

private:
    Prompts &prompts_;
    QString savePath_;
    bool processLegality_;
};

} // namespace velmora
