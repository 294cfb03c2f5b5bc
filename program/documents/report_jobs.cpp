#include "documents/report_jobs.h"

#include "report_reader.h"

#include "dravlen.h"

#include <QFileInfo>
#include <QLocale>
#include <cstdlib>

namespace velmora {

namespace {

QString fromSetting(const std::string &text) { return QString::fromStdString(text); }

// An engine for one saved file, released at the end of the read.
class FileEngine {
public:
    FileEngine() : engine_(static_cast<Engine *>(std::calloc(1, static_cast<size_t>(GetSizeOf_Engine()))))
    {
        Init_Engine(engine_);
    }
    ~FileEngine()
    {
        Destroy_Engine(engine_);
        std::free(engine_);
    }
    FileEngine(const FileEngine &) = delete;
    FileEngine &operator=(const FileEngine &) = delete;
    Engine *get() const { return engine_; }

private:
    Engine *engine_;
};

} // namespace

reports::CertificationSettings certificationSettings(const Settings &s)
{
    reports::CertificationSettings c;
    c.enabled = s.enablePrintCertification;
    c.defaultMessage = s.enableDefaultMessage;
    c.customMessage = fromSetting(s.customMessage);
    c.driverSignature = s.enableDriverSig;
    c.trailer = s.enableTrailer;
    c.supervisorSignature = s.enableSupervisorSig;
    c.customEntry = s.enableCustomEntryItem;
    c.customEntryCaption = fromSetting(s.customEntryItem);
    return c;
}

QString printedAtText(const QDateTime &when) { return QLocale::system().toString(when, QLocale::ShortFormat); }

reports::PrintJob truckloadJob(const reports::TruckloadReport &report, const Settings &settings,
                               const TruckloadJobOptions &options)
{
    reports::TruckloadReport shown = report;
    shown.currentOption = options.currentOption;
    const QString at = printedAtText(options.printedAt);
    const QString footer = report.truckId.isEmpty() ? QString() : QStringLiteral("Truck ID: ") + report.truckId;
    reports::PrintJob job{{reports::truckloadReportHtml(shown, {options.allOptions, options.showAllowed, options.detailed}, at),
                           reports::truckloadPictures(shown), footer, {}}};
    const reports::CertificationSettings certification = certificationSettings(settings);
    if (certification.enabled)
        job.push_back({reports::certificationHtml(report.truckId, certification, at), {}, footer, {}});
    return job;
}

reports::PrintJob truckloadJob(Engine *engine, const Settings &settings, const TruckloadJobOptions &options)
{
    return truckloadJob(reports::readTruckloadReport(engine, options.currentOption), settings, options);
}

reports::PrintJob searchResultsJob(const std::vector<reports::SearchReportRow> &rows, const QDateTime &printedAt)
{
    return {{reports::searchResultsHtml(rows, printedAtText(printedAt)), {}, {}, {}}};
}

reports::PrintJob savedLoadsJob(const reports::SavedLoadsReport &report, const QDateTime &printedAt)
{
    return {{reports::savedLoadsHtml(report, printedAtText(printedAt)), {}, {}, {}}};
}

std::optional<reports::TruckloadReport> readSavedTruckload(const QString &path, const Settings &settings,
                                                           QString *error)
{
    FileEngine engine;
    ShowDangerousOptionFirst_Engine(engine.get(), settings.enableDangerousFirst ? -1 : 0);
    SetBulkPlacards_Engine(engine.get(), settings.enableBulk ? -1 : 0);
    if (Open_Load(GetLoad_Engine(engine.get()), QFile::encodeName(path).constData(), 0) != 1) {
        if (error)
            *error = QStringLiteral("\"%1\" is not a readable truckload.").arg(path);
        return std::nullopt;
    }
    Calculate_Engine(engine.get());
    reports::TruckloadReport report = reports::readTruckloadReport(engine.get());
    if (report.truckId.isEmpty())
        report.truckId = QFileInfo(path).completeBaseName();
    return report;
}

QString pdfNameFor(const QString &truckId, const QString &fallback)
{
    QString name = truckId.trimmed().isEmpty() ? fallback : truckId.trimmed();
    // Characters a file name may not hold become blanks.
    for (QChar &c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char(' ');
    return name.simplified() + QStringLiteral(".pdf");
}

} // namespace velmora
