// The window both auditors share: the page, the YES and NO buttons below
// it, and the menus File (Retry, Print Report..., Close) and Help
// (Contents).  It mirrors its audit after every step; the audit holds all
// of the logic.
#pragma once

#include "auditors/scripts/audit.h"
#include "auditors/scripts/auditor_folders.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAction;
class QStatusBar;
class QToolButton;
class QWidget;

namespace velmora::auditors {

class AuditorView;

struct AuditorWindowKind {
    QString caption;      // "HazMat Label Auditor"
    QString reportTitle;  // "HazMat Labeling Report"
    QString helpTopic;    // "common_module_hla.htm"
    QSize size;
    bool statusBar = false;
};

class AuditorWindow : public QDialog {
    Q_OBJECT
public:
    AuditorWindow(std::unique_ptr<Audit> audit, AuditorFolders folders, const AuditorWindowKind &kind,
                  QWidget *parent = nullptr);
    ~AuditorWindow() override;

    // How the window shows a message; a message box unless replaced.
    using MessageShower = std::function<void(const AuditMessage &)>;
    void setMessageShower(MessageShower show) { showMessage_ = std::move(show); }
    // What a clicked link does; the regulations program unless replaced.
    void setLinkHandler(std::function<void(const QString &)> handler) { openLink_ = std::move(handler); }

    // The audit start; the window runs it when it is first shown.
    void begin();

    Audit &audit() const { return *audit_; }
    AuditorView *view() const { return view_; }
    QToolButton *yesButton() const { return yes_; }
    QToolButton *noButton() const { return no_; }
    QWidget *answerPanel() const { return panel_; }
    QAction *retryAction() const { return retry_; }
    QAction *printAction() const { return print_; }

public slots:
    void answerYes() { answer(true); }
    void answerNo() { answer(false); }
    void retry();
    void printReport();
    void showHelp();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void answer(bool yes);
    void mirror();

    std::unique_ptr<Audit> audit_;
    AuditorFolders folders_;
    AuditorWindowKind kind_;
    AuditorView *view_;
    QWidget *panel_;
    QToolButton *yes_, *no_;
    QAction *retry_, *print_;
    QStatusBar *status_ = nullptr;
    QString shown_;
    bool begun_ = false;
    MessageShower showMessage_;
    std::function<void(const QString &)> openLink_;
};

} // namespace velmora::auditors
