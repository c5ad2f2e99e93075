#include "charts/ChartWindowImpl.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>

#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QStackedBarSeries>
#include <algorithm>
#include <cmath>

namespace fincalc::charts {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// Labels every `stride`-th of the chart's round ticks with the program's numbers. `offset` shifts a
// plot of bars, whose bars stand at 0, 1, 2, … on the axis, to its first x.
void labelTicks(QCategoryAxis* a, const ChartAxis& axis, double offset, int stride,
                const std::function<QString(double)>& format) {
    for (const QString& label : a->categoriesLabels())
        a->remove(label);
    for (std::size_t k = 0; k < axis.ticks.size(); k += stride)
        a->append(format(axis.ticks[k]), axis.ticks[k] - offset);
}

QCategoryAxis* makeAxis(const ChartAxis& axis, double offset, const std::function<QString(double)>& format) {
    auto* a = new QCategoryAxis;
    a->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    a->setRange(axis.min - offset, axis.max - offset);
    const double room = (axis.max - axis.min) * 1e-9; // the first label sits at the end of a category
    a->setStartValue(axis.min - offset - room);
    labelTicks(a, axis, offset, 1, format);
    a->setTitleText(q(axis.title));
    QFont font = QApplication::font();
    a->setLabelsFont(font);
    font.setBold(true);
    a->setTitleFont(font);
    return a;
}

// How many ticks apart the labels must be to keep clear of each other over `length` pixels.
int strideFor(const ChartAxis& axis, double length, double labelSize) {
    const double intervals = std::max<double>(1, axis.ticks.size() - 1);
    return std::clamp(static_cast<int>(std::ceil(labelSize / (length / intervals))), 1,
                      static_cast<int>(intervals));
}

} // namespace

ChartWindowImpl::ChartWindowImpl(std::function<QString(double)> formatNumber)
    : format_(std::move(formatNumber)) {
    setObjectName(QStringLiteral("ChartWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("ChartNote"));
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignCenter);
    // On a small display (or at a large scale) the plots keep a readable size and scroll.
    auto* sheet = new QWidget;
    plots_ = new QGridLayout(sheet);
    plots_->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea;
    scroll_->setWidget(sheet);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    auto* root = new QVBoxLayout(this);
    root->addWidget(note_);
    root->addWidget(scroll_, 1);
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, [this] { this->save(); });
}

void ChartWindowImpl::draw(const Chart& chart) {
    chart_ = chart;
    setWindowTitle(QStringLiteral("图表：") + q(chart.title));
    note_->setText(q(chart.note));
    note_->setVisible(!chart.note.empty());
    // A note alone stands in the middle of the window, in place of the picture.
    scroll_->setVisible(!chart.plots.empty());
    static_cast<QVBoxLayout*>(layout())->setStretchFactor(note_, chart.plots.empty() ? 1 : 0);
    // The first plot on top, the others side by side beneath it.
    while (views_.size() > chart.plots.size()) {
        delete views_.back();
        views_.pop_back();
    }
    while (views_.size() < chart.plots.size()) {
        auto* view = new QChartView;
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(300, 250);
        const int k = static_cast<int>(views_.size());
        plots_->addWidget(view, k == 0 ? 0 : 1, k == 0 ? 0 : k - 1, 1,
                          k == 0 ? std::max<int>(1, chart.plots.size() - 1) : 1);
        views_.push_back(view);
    }
    for (std::size_t k = 0; k < chart.plots.size(); ++k) {
        QChart* old = views_[k]->chart();
        views_[k]->setChart(drawPlot(chart.plots[k]));
        delete old;
    }
}

QChart* ChartWindowImpl::drawPlot(const ChartPlot& plot) {
    auto* chart = new QChart;
    const QFont font = QApplication::font();
    QFont bold = font;
    bold.setBold(true);
    chart->setTitleFont(bold);
    chart->setTitle(q(plot.title));
    chart->legend()->setFont(font);
    chart->legend()->setAlignment(Qt::AlignBottom);

    double offset = 0;
    for (const ChartSeries& s : plot.series)
        if (s.style == ChartSeries::Style::Bars && !s.points.empty()) {
            offset = s.points.front().x;
            break;
        }
    QCategoryAxis* x = makeAxis(plot.x, offset, format_);
    QCategoryAxis* y = makeAxis(plot.y, 0, format_);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    // A small plot (a small window, a large scale) labels every second or third tick, rather than
    // letting its labels shrink to "…".
    connect(chart, &QChart::plotAreaChanged, chart,
            [this, x, y, xAxis = plot.x, yAxis = plot.y, offset,
             strides = std::pair(1, 1)](const QRectF& area) mutable {
                const QFontMetrics metrics(x->labelsFont());
                int widest = 0;
                for (const double tick : xAxis.ticks)
                    widest = std::max(widest, metrics.horizontalAdvance(format_(tick)));
                const std::pair now(strideFor(xAxis, area.width(), widest + 2 * metrics.averageCharWidth()),
                                    strideFor(yAxis, area.height(), 1.5 * metrics.height()));
                if (now.first != strides.first)
                    labelTicks(x, xAxis, offset, now.first, format_);
                if (now.second != strides.second)
                    labelTicks(y, yAxis, 0, now.second, format_);
                strides = now;
            });
    const auto add = [&](QAbstractSeries* series) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    };
    // A tool tip of a point: what it is, and both its numbers in the program's format.
    const auto tip = [this, xTitle = q(plot.x.title), yTitle = q(plot.y.title), offset](const QString& name,
                                                                                        QPointF at, bool on) {
        if (!on)
            return QToolTip::hideText();
        QToolTip::showText(QCursor::pos(), name + QStringLiteral("\n") + xTitle + QStringLiteral("=") +
                                               format_(at.x() + offset) + QStringLiteral("\n") + yTitle +
                                               QStringLiteral("=") + format_(at.y()));
    };

    // Bars at the back, dots over lines.
    std::vector<const ChartSeries*> inOrder;
    for (const auto style : {ChartSeries::Style::Bars, ChartSeries::Style::Line, ChartSeries::Style::Dots})
        for (const ChartSeries& s : plot.series)
            if (s.style == style)
                inOrder.push_back(&s);
    QStackedBarSeries* bars = nullptr;
    for (const ChartSeries* each : inOrder) {
        const ChartSeries& s = *each;
        const QString name = q(s.name);
        if (s.style == ChartSeries::Style::Bars) {
            if (!bars)
                bars = new QStackedBarSeries;
            auto* set = new QBarSet(name);
            for (const ChartPoint& p : s.points)
                set->append(p.y);
            connect(set, &QBarSet::hovered, this,
                    [tip, name, set](bool on, int index) { tip(name, QPointF(index, set->at(index)), on); });
            bars->append(set);
            continue;
        }
        QXYSeries* series = nullptr;
        if (s.style == ChartSeries::Style::Dots) {
            auto* dots = new QScatterSeries;
            dots->setMarkerSize(9);
            series = dots;
        } else {
            series = new QLineSeries;
        }
        series->setName(name);
        for (const ChartPoint& p : s.points)
            series->append(p.x - offset, p.y);
        connect(series, &QXYSeries::hovered, this, [tip, name](QPointF at, bool on) { tip(name, at, on); });
        add(series);
    }
    if (bars) {
        bars->setBarWidth(0.8);
        add(bars);
    }
    // A plot of one series says what it is in its title.
    chart->legend()->setVisible(plot.series.size() > 1);
    // Each mark a dot of its own, labelled beside it rather than in the legend.
    const QColor markColor(190, 30, 45);
    for (const ChartMark& m : plot.marks) {
        auto* dot = new QScatterSeries;
        const QString label = q(m.label);
        dot->setName(label);
        dot->setMarkerSize(12);
        dot->setColor(markColor);
        dot->setBorderColor(Qt::white);
        dot->append(m.at.x - offset, m.at.y);
        dot->setPointLabelsFormat(label);
        dot->setPointLabelsFont(font);
        dot->setPointLabelsColor(markColor);
        dot->setPointLabelsClipping(false);
        dot->setPointLabelsVisible(!label.isEmpty());
        connect(dot, &QXYSeries::hovered, this, [tip, label](QPointF at, bool on) { tip(label, at, on); });
        add(dot);
        for (QLegendMarker* marker : chart->legend()->markers(dot))
            marker->setVisible(false);
    }
    return chart;
}

void ChartWindowImpl::save() {
    const QString suggested = q(chart_.title) + QStringLiteral(".png");
    QString path = askSavePath ? askSavePath(suggested)
                               : QFileDialog::getSaveFileName(this, QStringLiteral("保存图表"), suggested,
                                                              QStringLiteral("PNG 图片 (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    if (!grab().save(path, "PNG"))
        QMessageBox::warning(this, windowTitle(), QStringLiteral("无法保存图片：") + path);
}

gui::ChartWindow* ChartModuleImpl::createWindow(std::function<QString(double)> formatNumber) {
    return new ChartWindowImpl(std::move(formatNumber));
}

} // namespace fincalc::charts
