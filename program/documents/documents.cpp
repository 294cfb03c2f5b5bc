#include "documents/documents.h"

#include "app/prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace velmora {

DocumentOutput::DocumentOutput(QWidget *parent, Prompts &prompts) : parent_(parent), prompts_(prompts)
{
    askPrinter = [this](QPrinter &printer) {
        QPrintDialog dialog(&printer, parent_);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        return dialog.exec() == QDialog::Accepted;
    };
    askPdfPath = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(parent_, QStringLiteral("Export as PDF"), suggested,
                                            QStringLiteral("PDF files (*.pdf)"));
    };
}

QPageSize::PageSizeId defaultReportPageSize()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

reports::PrintJob htmlPrintJob(const QString &html, const QString &footerLeft, const QUrl &baseUrl)
{
    return {reports::Report{html, {}, footerLeft, baseUrl}};
}

DocumentOutcome DocumentOutput::print(const reports::PrintJob &job, const QString &title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageLayout(reports::reportPageLayout(defaultReportPageSize()));
    if (!askPrinter(printer)) {
        status_ = QStringLiteral("Printing cancelled: nothing was printed.");
        return DocumentOutcome::Cancelled;
    }
    int from = 0, to = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    }
    QString error;
    if (!reports::paintJob(job, &printer, &error, from, to) || printer.printerState() == QPrinter::Error) {
        if (error.isEmpty())
            error = QStringLiteral("The printer reported an error.");
        status_ = QStringLiteral("Printing failed.");
        prompts_.error(QStringLiteral("The report could not be printed. ") + error);
        return DocumentOutcome::Failed;
    }
    if (printer.printerState() == QPrinter::Aborted) {
        status_ = QStringLiteral("Printing cancelled: nothing was printed.");
        return DocumentOutcome::Cancelled;
    }
    status_ = QStringLiteral("Printed ") + title;
    return DocumentOutcome::Done;
}

DocumentOutcome DocumentOutput::exportPdf(const reports::PrintJob &job, const QString &suggestedName)
{
    QString path = askPdfPath(suggestedName);
    if (path.isEmpty()) {
        status_ = QStringLiteral("Export cancelled: no PDF was written.");
        return DocumentOutcome::Cancelled;
    }
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const QString error = reports::writePdf(job, path, reports::reportPageLayout(defaultReportPageSize()),
                                            QFileInfo(path).completeBaseName());
    if (!error.isEmpty()) {
        status_ = QStringLiteral("Export failed.");
        prompts_.error(error);
        return DocumentOutcome::Failed;
    }
    status_ = QStringLiteral("Saved ") + QDir::toNativeSeparators(path);
    return DocumentOutcome::Done;
}

QPrintPreviewDialog *DocumentOutput::createPreview(const reports::PrintJob &job, const QString &title)
{
    auto *printer = new QPrinter(QPrinter::HighResolution);
    printer->setDocName(title);
    printer->setPageLayout(reports::reportPageLayout(defaultReportPageSize()));
    auto *dialog = new QPrintPreviewDialog(printer, parent_);
    dialog->setWindowTitle(title);
    // The printer lives as long as the dialog.
    QObject::connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog, [this, job](QPrinter *target) {
        QString error;
        if (!reports::paintJob(job, target, &error, target->printRange() == QPrinter::PageRange ? target->fromPage() : 0,
                               target->printRange() == QPrinter::PageRange ? target->toPage() : 0))
            prompts_.error(QStringLiteral("The report could not be printed. ") + error);
    });
    return dialog;
}

void DocumentOutput::preview(const reports::PrintJob &job, const QString &title)
{
    QPrintPreviewDialog *dialog = createPreview(job, title);
    dialog->resize(900, 1000);
    dialog->exec();
    delete dialog;
}

} // namespace velmora
