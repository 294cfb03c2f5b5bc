#include "auditors/cargo_tank/tank_chart.h"

#include "auditors/cargo_tank/tank_html.h"

#include <QFile>
#include <QFileInfo>
#include <QVBoxLayout>

namespace velmora::cargo_tank {

QString chartPath(const QString &programFolder, const QString &variant)
{
    return programFolder + QStringLiteral("Data/CTI/") + (variant.isEmpty() ? QString() : variant + QLatin1Char(' ')) +
           QLatin1String(kChartFile);
}

TankChartWindow::TankChartWindow(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Motor Cargo Tank List"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view = new TankBrowser(this);
    layout->addWidget(view);
    resize(820, 640);
    connect(view, &TankBrowser::linkClicked, this, &TankChartWindow::followLink);
}

bool TankChartWindow::loadChart(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    view->setBaseFolder(QFileInfo(path).absolutePath() + QLatin1Char('/'));
    view->showPage({QString::fromUtf8(file.readAll())});
    return true;
}

void TankChartWindow::followLink(const QString &href)
{
    const QString citation = citationOfHref(href);
    if (!citation.isEmpty()) {
        if (openRegulation)
            openRegulation(citation);
        return;
    }
    const ChartChoice choice = parseChartLink(href);
    if (!choice.valid)
        return;
    choice_ = choice;
    accept();
}

} // namespace velmora::cargo_tank
