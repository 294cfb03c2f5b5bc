// The Preferences dialog: the settings on four tabs, and the Do Not Ship
// list behind its password.
#pragma once

#include "app/hazmat_library.h"
#include "app/prompts.h"
#include "settings/settings.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;

namespace velmora {

struct PreferencesContext {
    HazmatLibrary *library = nullptr;   // ID numbers for the Do Not Ship list
    Prompts *prompts = nullptr;
    std::string doNotShipPassword;      // upper-cased
    std::string doNotShipFolder;        // where the list file is now
    // Asks for the password; the default shows PasswordDialog.
    std::function<bool(QWidget *parent)> askPassword;
    // Chooses a folder starting at the given one; the default shows the
    // folder chooser "Select A Folder".  Empty: cancelled.
    std::function<QString(QWidget *parent, const QString &start)> chooseFolder;
};

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    PreferencesDialog(const Settings &settings, const std::vector<std::string> &doNotShip,
                   PreferencesContext context, QWidget *parent = nullptr);

    // The outcome after OK.
    const Settings &settings() const { return settings_; }
    bool doNotShipEdited() const { return dnsStored_; }
    const std::vector<std::string> &doNotShipIds() const { return dnsWorking_; }
    bool savedLoadsViewChanged() const { return savedLoadsChanged_; }
    bool processLegalityChanged() const { return processLegalityChanged_; }

    // The controls, by their captions' meaning (tests and the window alike).
    QTabWidget *tabs;
    QCheckBox *dangerousFirstCheck, *bulkPlacardsCheck, *defaultPrintAllCheck;
    QLineEdit *savePathEdit, *menuItemsPathEdit, *doNotShipPathEdit;
    QPushButton *browseSaveButton, *browseMenuButton, *browseDoNotShipButton;
    QCheckBox *savePromptCheck, *defaultIdCheck;
    QRadioButton *previewRadio, *reportRadio;
    QCheckBox *processLegalityCheck;
    QCheckBox *cargoTankWarningCheck, *defaultInspectionCheck;
    QLineEdit *inspectorNameEdit;
    QCheckBox *printCertificationCheck;
    QRadioButton *defaultMessageRadio, *customMessageRadio;
    QPlainTextEdit *customMessageEdit;
    QCheckBox *trailerCheck, *driverSignatureCheck, *supervisorSignatureCheck, *customEntryCheck;
    QLineEdit *customEntryEdit;
    QLineEdit *idNumberEdit;
    QPushButton *addButton, *deleteButton, *deleteAllButton;
    QTreeWidget *doNotShipTable;

public slots:
    void acceptIfValid();
    void cancel();
    void tabChanged(int index);
    void addDoNotShipEntry();
    void deleteDoNotShipEntries();
    void deleteAllDoNotShipEntries();

protected:
    void reject() override;

private:
    QWidget *buildGeneralTab();
    QWidget *buildAuditorsTab();
    QWidget *buildCertificationTab();
    QWidget *buildDoNotShipTab();
    void fillDoNotShipTable();
    void updateEnabling();
    // Step 5/8 of OK: a typed folder that exists is stored with its
    // separator; otherwise a warning, the field cleared, the setting kept.
    void storeFolder(QLineEdit *field, std::string &setting);

    Settings settings_;
    PreferencesContext context_;
    std::vector<std::string> dnsWorking_;
    bool dnsEdited_ = false;     // edits in the dialog not yet stored
    bool dnsStored_ = false;     // OK replaced the main list
    bool savedLoadsChanged_ = false;
    bool processLegalityChanged_ = false;
    int dnsSortColumn_ = -1;
    bool dnsSortAscending_ = true;
};

} // namespace velmora
