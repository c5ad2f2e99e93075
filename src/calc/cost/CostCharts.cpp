// The cost charts: the regression line through twelve months of volume and cost, and the
// break-even chart of price, unit variable cost, volume and fixed cost.
#include "calc/Charts.h"
#include "calc/cost/RegressionSheet.h"

#include <algorithm>

namespace fincalc {

Chart regressionChart(const Fields& f) {
    using namespace regression;
    const Sheet sheet(f);
    Chart chart;
    ChartPlot plot;
    ChartSeries observed{"观测值", ChartSeries::Style::Dots};
    bool emptyRow = false;
    for (int row = 1; row <= kRows; ++row) {
        observed.points.push_back({sheet.cell(kX, row).toDouble(), sheet.cell(kY, row).toDouble()});
        emptyRow = emptyRow || !f.filled(cellBox(kX, row)) || !f.filled(cellBox(kY, row));
    }
    const auto [xLow, xHigh] = std::minmax_element(observed.points.begin(), observed.points.end(),
                                                   [](ChartPoint a, ChartPoint b) { return a.x < b.x; });
    const double from = xLow->x, to = xHigh->x;
    plot.series.push_back(std::move(observed));

    const auto [b, a] = sheet.line(12); // as the screen fits it: every row counts
    if (b.empty()) {
        plot.title = "回归直线";
        chart.note = "变量X全部相同，回归直线无法确定。";
    } else {
        plot.title = "回归直线y=a+bx：" + named("a", a) + "，" + named("b", b);
        const auto y = [intercept = a, slope = b](double x) {
            return (intercept + slope * Num(x)).toDouble();
        };
        plot.series.push_back({"回归直线", ChartSeries::Style::Line, {{from, y(from)}, {to, y(to)}}});
        if (emptyRow)
            chart.note = "空的格子按0计入回归。";
    }
    fitAxes(plot, "变量X", "成本Y");
    chart.plots.push_back(std::move(plot));
    return chart;
}

Chart profitChart(const Fields& f) {
    const auto [p, v, q, F] = f.nums<4>(1);
    if (!f.filled(1))
        return noteOnly("请输入单价。");
    if (!(p > v))
        return noteOnly("单价不大于单位变动成本，收入追不上成本，没有保本点。");
    if (F < 0)
        return noteOnly("固定成本不能为负数。");

    const Num breakEven = F / (p - v);
    const bool current = f.filled(3) && q >= 0;
    Num high = std::max(breakEven, current ? q : Num(0)) * 1.5;
    if (!(high > 0))
        high = 10;
    ChartPlot plot{.title = "销售收入与总成本"};
    plot.series.push_back(
        {"销售收入p×q", ChartSeries::Style::Line, {{0, 0}, {high.toDouble(), (p * high).toDouble()}}});
    plot.series.push_back({"总成本F+v×q",
                           ChartSeries::Style::Line,
                           {{0, F.toDouble()}, {high.toDouble(), (F + v * high).toDouble()}}});
    plot.marks.push_back({"保本点：" + named("q", breakEven) + "，" + named("收入=成本", p * breakEven),
                          {breakEven.toDouble(), (p * breakEven).toDouble()}});
    if (current)
        plot.marks.push_back({"当前销售量：" + named("q", q) + "，" + named("利润", (p - v) * q - F),
                              {q.toDouble(), (p * q).toDouble()}});
    fitAxes(plot, "销售量q", "金额");
    return {.plots = {std::move(plot)}};
}

} // namespace fincalc
