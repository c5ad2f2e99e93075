// The chart window's interface between the program and the chart module, a plugin that links Qt
// Charts and is loaded when the first chart opens, so start-up neither loads nor maps it.
#pragma once

#ifndef Q_MOC_RUN
#include "app/Chart.h"
#endif

#include <QString>
#include <QWidget>
#include <QtPlugin>

#include <functional>

namespace fincalc::gui {

// A window that draws a chart; the program calls draw() again whenever the screen's fields change.
// Ctrl+S saves the window as a PNG picture.
class ChartWindow : public QWidget {
public:
    using QWidget::QWidget;
    virtual void draw(const Chart& chart) = 0;
    // The chart drawn last.
    virtual const Chart& chart() const = 0;
    // Where to save the picture, given a suggested file name; an empty path saves nothing. A file
    // dialog unless replaced (tests replace it).
    std::function<QString(const QString& suggested)> askSavePath;
};

class ChartModule {
public:
    virtual ~ChartModule() = default;
    // A new window with no parent, labelling numbers with `formatNumber`.
    virtual ChartWindow* createWindow(std::function<QString(double)> formatNumber) = 0;
};

} // namespace fincalc::gui

#define FINCALC_CHART_MODULE_IID "fincalc.ChartModule/1"
Q_DECLARE_INTERFACE(fincalc::gui::ChartModule, FINCALC_CHART_MODULE_IID)
