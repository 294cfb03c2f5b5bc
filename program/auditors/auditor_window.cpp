#include "auditors/auditor_window.h"

#include "auditors/auditor_print.h"
#include "auditors/auditor_shell.h"
#include "auditors/auditor_view.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmora::auditors {

namespace {

QToolButton *answerButton(const QString &caption, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(caption);
    b->setObjectName(caption == u"YES" ? QStringLiteral("YesRadio") : QStringLiteral("NoRadio"));
    b->setFixedSize(52, 47);
    QFont f = b->font();
    f.setPixelSize(19);
    f.setBold(true);
    b->setFont(f);
    return b;
}

} // namespace

AuditorWindow::AuditorWindow(std::unique_ptr<Audit> audit, AuditorFolders folders, const AuditorWindowKind &kind,
                             QWidget *parent)
    : QDialog(parent), audit_(std::move(audit)), folders_(folders), kind_(kind)
{
    setWindowTitle(kind.caption);
    resize(kind.size);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *menus = new QMenuBar(this);
    QMenu *file = menus->addMenu(QStringLiteral("&File"));
    retry_ = file->addAction(QStringLiteral("&Retry"), this, &AuditorWindow::retry);
    print_ = file->addAction(QStringLiteral("&Print Report..."), this, &AuditorWindow::printReport);
    print_->setShortcut(QKeySequence::Print);
    file->addSeparator();
    QAction *close = file->addAction(QStringLiteral("&Close"), this, &QDialog::close);
    close->setShortcut(QKeySequence::Close);
    QMenu *help = menus->addMenu(QStringLiteral("&Help"));
    QAction *contents = help->addAction(QStringLiteral("&Contents"), this, &AuditorWindow::showHelp);
    contents->setShortcut(QKeySequence::HelpContents);
    layout->setMenuBar(menus);

    view_ = new AuditorView(folders_, this);
    view_->setObjectName(QStringLiteral("HTMLViewer1"));
    layout->addWidget(view_, 1);

    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("Panel3"));
    panel_->setFixedHeight(50);
    auto *row = new QHBoxLayout(panel_);
    row->setContentsMargins(0, 1, 0, 1);
    row->addStretch(1);
    no_ = answerButton(QStringLiteral("NO"), panel_);
    yes_ = answerButton(QStringLiteral("YES"), panel_);
    row->addWidget(no_);
    row->addWidget(yes_);
    row->addStretch(1);
    layout->addWidget(panel_);
    if (kind.statusBar) {
        status_ = new QStatusBar(this);
        status_->setObjectName(QStringLiteral("StatusBar1"));
        layout->addWidget(status_);
    }
    connect(yes_, &QToolButton::clicked, this, &AuditorWindow::answerYes);
    connect(no_, &QToolButton::clicked, this, &AuditorWindow::answerNo);
    connect(view_, &AuditorView::linkClicked, this, [this](const QString &href) {
        if (openLink_)
            openLink_(href);
        else
            openAuditorLink(href, folders_.programFolder());
    });
    showMessage_ = [this](const AuditMessage &m) {
        switch (m.kind) {
        case AuditMessage::Kind::Information: QMessageBox::information(this, windowTitle(), m.text); break;
        case AuditMessage::Kind::Warning: QMessageBox::warning(this, windowTitle(), m.text); break;
        case AuditMessage::Kind::Error: QMessageBox::critical(this, windowTitle(), m.text); break;
        }
    };
    yes_->setEnabled(false);
    no_->setEnabled(false);
    print_->setEnabled(audit_->printEnabled());
}

AuditorWindow::~AuditorWindow() = default;

void AuditorWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!begun_)
        begin();
}

void AuditorWindow::begin()
{
    begun_ = true;
    audit_->start();
    mirror();
}

void AuditorWindow::answer(bool yes)
{
    if (status_)
        status_->clearMessage();
    audit_->answer(yes);
    mirror();
}

void AuditorWindow::retry()
{
    audit_->retry();
    mirror();
}

void AuditorWindow::printReport()
{
    printAuditReportWithDialog(*view_->document(), kind_.reportTitle, this);
}

void AuditorWindow::showHelp()
{
    openAuditorHelp(folders_.programFolder(), kind_.helpTopic, this);
}

void AuditorWindow::mirror()
{
    if (audit_->view() != shown_) {
        shown_ = audit_->view();
        view_->setHtml(shown_);
    }
    yes_->setEnabled(audit_->answersEnabled());
    no_->setEnabled(audit_->answersEnabled());
    panel_->setVisible(audit_->panelVisible());
    print_->setEnabled(audit_->printEnabled());
    const QList<DataFileProblem> problems = audit_->takeProblems();
    if (!problems.isEmpty()) {
        QStringList lines;
        for (const DataFileProblem &p : problems)
            lines << p.text();
        showMessage_({AuditMessage::Kind::Warning,
                      QStringLiteral("Some auditor data files have problems; the audit may be incomplete.\n\n")
                          + lines.join(u'\n')});
    }
    for (const AuditMessage &m : audit_->takeMessages())
        showMessage_(m);
}

} // namespace velmora::auditors
