// AddItemDialog: the add/edit item dialog.  The user describes one shipment item;
// every choice the dialog offers, hides or locks is the answer of an engine
// test, and the result is built with the engine's setters.
#pragma once

#include "search/entry_chooser.h"

#include <functional>
#include <optional>

#include "truckload/item_questions.h"
#include "app/prompts.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

struct Hazmat;
struct Load;

namespace velmora {

struct DoNotShipList;

// What the dialog reads from the main window.
struct AddItemContext {
    Prompts *prompts = nullptr;
    const Load *load = nullptr;               // the current truckload (exemption 27)
    const DoNotShipList *doNotShip = nullptr;
    QString organisation;                     // "... is prohibited by " + organisation
    // Opens the regulations viewer at a citation (blanks removed).
    std::function<void(const QString &citation)> openRegulation;
    // Opens any other link through the desktop.
    std::function<bool(const QString &target)> openDocument;
    // Opens a page of the help; false when the help cannot open.
    std::function<bool(const QString &page)> openHelpPage;
};

// One entry of the shipping-name list.
struct ShippingNameEntry {
    QString text;     // name, or name + " (" + description + ")"
    int pid = 0;
    int nameIndex = 0;   // 1-based position among the entries of the same PID
};

// The entries of an ID number, in table order.
std::vector<ShippingNameEntry> shippingNameEntries(const std::string &id);

class AddItemDialog : public QDialog {
    Q_OBJECT
public:
    // `given` is an initialised item: unbound for a new item, bound to a PID
    // (fromSearch) or a copy of a truckload item for an edit.  On OK it holds
    // the result; on Cancel its content is unspecified.
    AddItemDialog(Hazmat *given, bool fromSearch, const AddItemContext &context, QWidget *parent = nullptr);
    ~AddItemDialog() override;

    // Asks which entry a bare number means when it has entries under more
    // than one of UN, NA and ID ("1993"): the index chosen in `entries`, or
    // nothing.  A modal chooser by default; tests replace it.
    std::function<std::optional<int>(const QString &number, const std::vector<EntryChoice> &entries)> chooseIdEntry;

    const Hazmat *workItem() const;
    const QuestionSlots &questions() const { return slots_; }
    const std::vector<ShippingNameEntry> &nameEntries() const { return entries_; }
    bool usesZoneChooser() const { return zoneChooser_; }
    bool idChosen() const { return chosen_; }

    // Handlers (the tests drive them as the user would).
    void idNumberChanged();
    void choosePSN(int entry);
    void choosePackingGroup(int slot);
    void chooseZone(int index);
    void answerQuestion(int question, bool yes);
    void acceptIfValid();
    void showHelp();
    void openLink(const QString &link);

    // Controls.
    QComboBox *shippingNameCombo = nullptr;
    QLineEdit *shippingNameEdit = nullptr;
    QLineEdit *hazardClassEdit = nullptr;
    QLineEdit *subsidiaryClassEdit = nullptr;
    QLineEdit *idNumberEdit = nullptr;
    QComboBox *packingGroupCombo = nullptr;
    QLineEdit *packingGroupEdit = nullptr;
    QLineEdit *weightEdit = nullptr;
    QComboBox *weightUnitCombo = nullptr;
    QLineEdit *inhalationHazardEdit = nullptr;
    QComboBox *hazardZoneCombo = nullptr;
    QLabel *transportIndexLabel = nullptr;
    QLineEdit *transportIndexEdit = nullptr;
    QLabel *criticalitySafetyIndexLabel = nullptr;
    QLineEdit *criticalitySafetyIndexEdit = nullptr;
    QCheckBox *limitedQuantityCheck = nullptr;
    QCheckBox *bulkCheck = nullptr;
    QCheckBox *hazardousSubstanceCheck = nullptr;
    QCheckBox *elevatedTemperatureCheck = nullptr;
    QCheckBox *hazardousWasteCheck = nullptr;
    QCheckBox *marinePollutantCheck = nullptr;
    QCheckBox *residueCheck = nullptr;
    QCheckBox *reverseLogisticsCheck = nullptr;
    QCheckBox *exceptedQuantityCheck = nullptr;
    // Optional quantities for the hazmat safety permit (49 CFR 385.403);
    // each shown only for the items it applies to, empty = not given.
    QLabel *netExplosiveMassLabel = nullptr;
    QLineEdit *netExplosiveMassEdit = nullptr;
    QLabel *packageCapacityLabel = nullptr;
    QLineEdit *packageCapacityEdit = nullptr;
    QLabel *bulkCapacityLabel = nullptr;
    QLineEdit *bulkCapacityEdit = nullptr;
    QLabel *questionCountLabel = nullptr;
    QPushButton *okButton = nullptr;

    struct QuestionPanel {
        QWidget *panel = nullptr;
        QLabel *text = nullptr;
        QLabel *link1 = nullptr;
        QLabel *link1a = nullptr;
        QRadioButton *yes = nullptr;
        QRadioButton *no = nullptr;
        QButtonGroup *group = nullptr;
    };
    QuestionPanel questionPanel[QuestionSlots::kSlots];

private:
    Hazmat *work();
    void buildForm();
    void clearDialog();
    void clearNameFields();
    void loadRemainingFields();
    void showClassText();
    void offer(int question);
    void removeQuestion(int question);
    void refreshQuestions();
    void updateBoxes();
    void updateOK();
    void testQuestion30();
    BoxStates boxes() const;
    void boxClicked(QCheckBox *box, bool on);
    void weightEdited();
    void normaliseTenths(QLineEdit *field);
    void updateQuantityFacts();
    bool applyQuantityFacts(Hazmat *item);

    Hazmat *given_;
    AddItemContext ctx_;
    alignas(std::max_align_t) unsigned char workStorage_[256];   // the dialog's own item
    bool fromSearch_;
    bool edit_ = false;
    bool chosen_ = false;        // a shipping name and packing group are chosen
    bool zoneChooser_ = false;
    bool zoneNone_ = false;      // the zone list ends with "Not A PIH"
    QuestionSlots slots_;
    std::vector<ShippingNameEntry> entries_;
    std::vector<int> pgSlots_;   // slots listed in the packing-group chooser
};

} // namespace velmora
