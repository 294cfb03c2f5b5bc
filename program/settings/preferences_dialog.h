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
    // Asks for the password; the default shows TPasswordDlg.
    std::function<bool(QWidget *parent)> askPassword;
    // Chooses a folder starting at the given one; the default shows the
    // folder chooser "Select A Folder".  Empty: cancelled.
    std::function<QString(QWidget *parent, const QString &start)> chooseFolder;
};

class TfrmPreference : public QDialog {
    Q_OBJECT
public:
    TfrmPreference(const Settings &settings, const std::vector<std::string> &doNotShip,
                   PreferencesContext context, QWidget *parent = nullptr);

    // The outcome after OK.
    const Settings &settings() const { return settings_; }
    bool doNotShipEdited() const { return dnsStored_; }
    const std::vector<std::string> &doNotShipIds() const { return dnsWorking_; }
    bool savedLoadsViewChanged() const { return savedLoadsChanged_; }
    bool processLegalityChanged() const { return processLegalityChanged_; }

    // The controls, by their captions' meaning (tests and the window alike).
    QTabWidget *tabs;
    QCheckBox *chkDangerousFirst, *chkBulk, *ChkboxDefaultPrintAll;
    QLineEdit *edtSavePath, *edtMenuItemsPath, *edtDNSPath;
    QPushButton *btnBrowseSave, *btnBrowseMenu, *btnBrowseDNS;
    QCheckBox *chkSavePrompt, *chkDefaultID;
    QRadioButton *rbPreview, *rbReport;
    QCheckBox *chkProcessLegality;
    QCheckBox *chkCTWarning, *chkDefaultInsp;
    QLineEdit *edtInspName;
    QCheckBox *chkPrintCertification;
    QRadioButton *rbDefaultMessage, *rbCustomMessage;
    QPlainTextEdit *memoCustomMessage;
    QCheckBox *chkTrailer, *chkDriverSig, *chkSupervisorSig, *chkCustomEntry;
    QLineEdit *edtCustomEntry;
    QLineEdit *edtIDNumber;
    QPushButton *btnAdd, *btnDelete, *btnDeleteAll;
    QTreeWidget *lvDoNotShip;

public slots:
    void btnOKClick();
    void btnCancelClick();
    void TabChange(int index);
    void btnAddClick();
    void btnDeleteClick();
    void btnDeleteAllClick();

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
