// The tank identification chart ("Motor Cargo Tank List"): a page of the
// cargo tank specifications whose links choose a tank.
#pragma once

#include "auditors/cargo_tank/tank_inspection.h"

#include <QDialog>
#include <functional>

namespace velmora::cargo_tank {

class TankBrowser;

inline constexpr const char *kChartFile = "Road Trailer Identification Chart.htm";

// The chart file for a page of the chart: "" the whole chart, "407" or "412"
// the variants shown from the vacuum question.
QString chartPath(const QString &programFolder, const QString &variant);

class TankChartWindow : public QDialog {
    Q_OBJECT
public:
    explicit TankChartWindow(QWidget *parent = nullptr);
    // False when the file cannot be read.
    bool loadChart(const QString &path);
    const ChartChoice &choice() const { return choice_; }
    TankBrowser *view = nullptr;
    // Regulation links of the chart.
    std::function<void(const QString &citation)> openRegulation;

public slots:
    void followLink(const QString &href);

private:
    ChartChoice choice_;
};

} // namespace velmora::cargo_tank
