// The print commands as the main window offers them: File > Print, Print
// All Placarding Options, Print Preview, Compliance Report and Export as
// PDF, and the saved list's View submenu and Export as PDF.
#pragma once

#include "documents/report_commands.h"

#include <QObject>

class QAction;
class QMenu;

namespace velmora {

class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(QWidget *window, Prompts &prompts, ReportSources sources, QObject *parent = nullptr);

    ReportCommands &reports() { return reports_; }
    QAction *printAction() const { return print_; }
    QAction *printAllAction() const { return printAll_; }
    QAction *printPreviewAction() const { return printPreview_; }
    QAction *complianceReportAction() const { return complianceReport_; }
    QAction *exportPdfAction() const { return exportPdf_; }
    // The File menu's print entries, in order.
    QList<QAction *> fileMenuActions() const;

public slots:
    // The saved list's entries for the selected saved truckload.
    void addSavedReportEntries(QMenu *menu, bool oneSelected);

signals:
    void statusChanged(const QString &text);

private:
    ReportCommands reports_;
    QAction *print_ = nullptr, *printAll_ = nullptr, *printPreview_ = nullptr, *complianceReport_ = nullptr,
            *exportPdf_ = nullptr;
};

} // namespace velmora
