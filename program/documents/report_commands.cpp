#include "documents/report_commands.h"

#include "app/prompts.h"

#include "report_reader.h"

#include <QFileInfo>

namespace velmora {

ReportCommands::ReportCommands(QWidget *window, Prompts &prompts, ReportSources sources)
    : prompts_(prompts), sources_(std::move(sources)), output_(window, prompts)
{
}

reports::PrintJob ReportCommands::truckload(bool allOptions, bool detailed) const
{
    TruckloadJobOptions options;
    options.currentOption = sources_.currentOption();
    options.allOptions = allOptions;
    options.detailed = detailed;
    return truckloadJob(sources_.engine(), sources_.settings(), options);
}

reports::PrintJob ReportCommands::printJob() const
{
    switch (sources_.view()) {
    case ReportView::Search:
        return searchResultsJob(sources_.searchRows());
    case ReportView::SavedTruckloads:
        return savedLoadsJob(sources_.savedLoads());
    case ReportView::Truckload:
    case ReportView::Compliance:
        break;
    }
    return truckload(sources_.settings().defaultPrintAll, false);
}

reports::PrintJob ReportCommands::printAllJob() const { return truckload(true, false); }

reports::PrintJob ReportCommands::complianceReportJob() const { return truckload(true, true); }

QString ReportCommands::title() const
{
    switch (sources_.view()) {
    case ReportView::Search: return QStringLiteral("Search Results");
    case ReportView::SavedTruckloads: return QStringLiteral("Saved Loads");
    case ReportView::Truckload:
    case ReportView::Compliance: break;
    }
    return QStringLiteral("Placarding Instructions");
}

DocumentOutcome ReportCommands::print() { return output_.print(printJob(), title()); }

DocumentOutcome ReportCommands::printAll()
{
    return output_.print(printAllJob(), QStringLiteral("Placarding Instructions"));
}

void ReportCommands::printPreview() { output_.preview(printJob(), title()); }

void ReportCommands::complianceReport()
{
    output_.preview(complianceReportJob(), QStringLiteral("Compliance Report"));
}

DocumentOutcome ReportCommands::exportPdf()
{
    // A truckload's instructions are offered under its truck ID.
    QString truck;
    const ReportView view = sources_.view();
    if ((view == ReportView::Truckload || view == ReportView::Compliance) && sources_.engine()) {
        const char *name = GetName_Load(GetLoad_Engine(sources_.engine()));
        truck = name ? QString::fromUtf8(name) : QString();
    }
    return output_.exportPdf(printJob(), pdfNameFor(truck, title()));
}

std::optional<reports::PrintJob> ReportCommands::savedJob(bool detailed)
{
    const QString path = sources_.selectedSavedFile();
    if (path.isEmpty())
        return std::nullopt;
    const Settings settings = sources_.settings();
    QString error;
    const std::optional<reports::TruckloadReport> report = readSavedTruckload(path, settings, &error);
    if (!report) {
        prompts_.error(error);
        return std::nullopt;
    }
    TruckloadJobOptions options;
    options.allOptions = true;
    options.detailed = detailed;
    return truckloadJob(*report, settings, options);
}

void ReportCommands::previewSavedPlacarding()
{
    if (const auto job = savedJob(false))
        output_.preview(*job, QStringLiteral("Placarding Preview"));
}

void ReportCommands::previewSavedReport()
{
    if (const auto job = savedJob(true))
        output_.preview(*job, QStringLiteral("Detailed Report"));
}

DocumentOutcome ReportCommands::exportSavedPdf()
{
    const std::optional<reports::PrintJob> job = savedJob(true);
    if (!job)
        return DocumentOutcome::Failed;
    return output_.exportPdf(*job, pdfNameFor(QFileInfo(sources_.selectedSavedFile()).completeBaseName(),
                                              QStringLiteral("Truckload")));
}

} // namespace velmora
