#include "check/pdf_report.h"

#include "report_document.h"
#include "report_html.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>

#include <memory>

namespace velmora::check {

namespace {

// Fonts and painting need a GUI application; without a display it runs on
// the offscreen platform.
std::unique_ptr<QGuiApplication> GuiForPainting()
{
    if (QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-check";
    static char *argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

std::string WritePdfReport(const std::vector<reports::TruckloadReport> &truckloads, const std::string &path, bool a4)
{
    const std::unique_ptr<QGuiApplication> app = GuiForPainting();
    const QString printedAt = QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("MM/dd/yyyy hh:mm:ss"));
    reports::PrintJob job;
    for (const reports::TruckloadReport &truckload : truckloads) {
        const QString footer = truckload.truckId.isEmpty() ? QString() : QStringLiteral("Truck ID: ") + truckload.truckId;
        // The reasons page appears when --explain read the reasons.
        job.push_back({reports::truckloadReportHtml(truckload, {true, false, true, true}, printedAt),
                       reports::truckloadPictures(truckload), footer, {}});
    }
    const QString error =
        reports::writePdf(job, QString::fromLocal8Bit(path.c_str()),
                          reports::reportPageLayout(a4 ? QPageSize::A4 : QPageSize::Letter), QStringLiteral("Compliance Report"));
    return error.toStdString();
}

} // namespace velmora::check
