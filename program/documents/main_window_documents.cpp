// The main window's print commands: File > Print, Print All Placarding
// Options, Print Preview, Compliance Report and Export as PDF, the toolbar's
// Print, and the saved list's View submenu and Export as PDF.
#include "app/main_window.h"

#include "compliance/compliance_view.h"
#include "documents/report_commands.h"

#include <QMenu>

#include <algorithm>
#include <QToolBar>
#include <QTreeWidget>

namespace velmora {

namespace {

ReportView reportView(View view)
{
    switch (view) {
    case View::Compliance: return ReportView::Compliance;
    case View::Search: return ReportView::Search;
    case View::SavedTruckloads: return ReportView::SavedTruckloads;
    case View::Truckload: break;
    }
    return ReportView::Truckload;
}

} // namespace

void MainWindow::buildPrintCommands(QMenu *fileMenu, QAction *before)
{
    ReportSources sources;
    sources.view = [this] { return reportView(view_); };
    sources.engine = [this] { return engine_; };
    // The compliance view counts its options from 1.
    sources.currentOption = [this] { return complianceView_ ? std::max(complianceView_->optionNumber() - 1, 0) : 0; };
    sources.settings = [this] { return settings_; };
    sources.searchRows = [this] {
        std::vector<reports::SearchReportRow> rows;
        for (int i = 0; i < searchList->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = searchList->topLevelItem(i);
            rows.push_back({item->text(0), item->text(1), item->text(2), item->text(3), item->text(4)});
        }
        return rows;
    };
    sources.savedLoads = [this] {
        reports::SavedLoadsReport report;
        report.processedLegality = settings_.processLegality;
        for (const SavedRow &row : savedRows_) {
            QStringList cells{row.name, row.lastSavedText()};
            if (report.processedLegality)
                cells << row.legalityText << row.placards << row.markings << row.messages;
            report.rows.push_back(cells);
        }
        return report;
    };
    sources.selectedSavedFile = [this] {
        const std::vector<size_t> rows = selectedSavedRows();
        return rows.size() == 1 ? savedRows_[rows[0]].path() : QString();
    };
    reports_ = std::make_unique<ReportCommands>(this, prompts_, std::move(sources));

    auto make = [&](const char *caption, const QKeySequence &keys, const char *hint, auto command) {
        auto *a = new QAction(QString::fromLatin1(caption), this);
        if (!keys.isEmpty())
            a->setShortcut(keys);
        if (hint)
            a->setToolTip(QString::fromLatin1(hint));
        connect(a, &QAction::triggered, this, [this, command] {
            command(*reports_);
            setStatus(reports_->status());
        });
        fileMenu->insertAction(before, a);
        return a;
    };
    actPrint = make("&Print", QKeySequence::Print, "Print", [](ReportCommands &r) { r.print(); });
    // Ctrl+A is Select All in every list of the window, so printing every
    // option takes Ctrl+Shift+P, beside Print.
    actPrintAll = make("Print &All Placarding Options", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), nullptr,
                       [](ReportCommands &r) { r.printAll(); });
    actPrintPreview = make("Print Pre&view...", QKeySequence(), nullptr, [](ReportCommands &r) { r.printPreview(); });
    actComplianceReport = make("&Compliance Report...", QKeySequence(), nullptr,
                               [](ReportCommands &r) { r.complianceReport(); });
    actExportPdf = make("Export as P&DF...", QKeySequence(), nullptr, [](ReportCommands &r) { r.exportPdf(); });
    fileMenu->insertSeparator(before);

    // The toolbar's Print follows "Save Truckload As".
    const QList<QAction *> tools = toolbar_->actions();
    const qsizetype at = tools.indexOf(actSaveAs);
    toolbar_->insertAction(at >= 0 && at + 1 < tools.size() ? tools[at + 1] : nullptr, actPrint);
    actPrint->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
}

void MainWindow::addSavedReportEntries(QMenu &menu, bool oneSelected)
{
    QMenu *view = menu.addMenu(QStringLiteral("View"));
    view->addAction(QStringLiteral("Placarding Preview"), this, [this] {
        reports_->previewSavedPlacarding();
        setStatus(reports_->status());
    });
    view->addAction(QStringLiteral("Detailed Report"), this, [this] {
        reports_->previewSavedReport();
        setStatus(reports_->status());
    });
    QAction *pdf = menu.addAction(QStringLiteral("Export as PDF..."), this, [this] {
        reports_->exportSavedPdf();
        setStatus(reports_->status());
    });
    view->setEnabled(oneSelected);
    pdf->setEnabled(oneSelected);
}

} // namespace velmora
