// The chart module: chart windows drawn with Qt Charts.
#pragma once

#include "gui/ChartModule.h"

#include <QObject>

#include <vector>

class QChart;
class QChartView;
class QGridLayout;
class QLabel;
class QScrollArea;

namespace fincalc::charts {

class ChartWindowImpl : public gui::ChartWindow {
public:
    explicit ChartWindowImpl(std::function<QString(double)> formatNumber);

    void draw(const Chart& chart) override;
    const Chart& chart() const override { return chart_; }

private:
    QChart* drawPlot(const ChartPlot& plot);
    void save();

    std::function<QString(double)> format_;
    Chart chart_;
    QLabel* note_;
    QScrollArea* scroll_;
    QGridLayout* plots_;
    std::vector<QChartView*> views_;
};

class ChartModuleImpl : public QObject, public gui::ChartModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID FINCALC_CHART_MODULE_IID)
    Q_INTERFACES(fincalc::gui::ChartModule)
public:
    gui::ChartWindow* createWindow(std::function<QString(double)> formatNumber) override;
};

} // namespace fincalc::charts
