// The portfolio's standard deviation against the weight of A, B holding the rest: how far
// diversification brings the risk down for the typed σA, σB and ρ.
#include "calc/Charts.h"
#include "calc/risk/Portfolio.h"

#include <algorithm>

namespace fincalc {

Chart portfolioChart(const Fields& f) {
    const Num sigmaA = f.num(1), wA = f.num(2), sigmaB = f.num(4), wB = f.num(5), rho = f.num(13);
    if (!f.filled(1) || !f.filled(4) || !f.filled(13))
        return noteOnly("请输入A、B两个项目的σ和相关系数。");
    if (sigmaA < 0 || sigmaB < 0)
        return noteOnly("σ不能为负数。");
    if (rho < -1 || rho > 1)
        return noteOnly("相关系数须在-1至1之间。");

    // Rounding can leave a hair below 0 where ρ = -1 cancels the risk.
    const auto sigma = [&](Num w) {
        return sqrt(std::max(Num(0), portfolioVariance(sigmaA, w, sigmaB, 1 - w, rho)));
    };
    Chart chart;
    ChartPlot plot{.title = "组合标准差σp（wB=1-wA）"};
    plot.series.push_back({"组合标准差σp", ChartSeries::Style::Line,
                           sample([&](double w) { return sigma(w).toDouble(); }, 0, 1, 50)});

    const Num spread = pow(sigmaA, 2) + pow(sigmaB, 2) - 2 * rho * sigmaA * sigmaB;
    if (spread > 0) {
        const Num lowest = (pow(sigmaB, 2) - rho * sigmaA * sigmaB) / spread;
        if (lowest >= 0 && lowest <= 1)
            plot.marks.push_back({"最小方差组合：" + named("wA", lowest) + "，" + named("σp", sigma(lowest)),
                                  {lowest.toDouble(), sigma(lowest).toDouble()}});
    }
    if (f.filled(2)) {
        if (wA >= 0 && wA <= 1)
            plot.marks.push_back({"输入的比重：" + named("wA", wA) + "，" + named("σp", sigma(wA)),
                                  {wA.toDouble(), sigma(wA).toDouble()}});
        else
            chart.note = "输入的比重wA不在0至1之间，未标出。";
        if (f.filled(5) && abs(wA + wB - 1) > 1e-9)
            chart.note = "曲线按wB=1-wA画出，输入的wA+wB不等于1。";
    }
    fitAxes(plot, "A项目比重wA", "组合标准差σp");
    chart.plots.push_back(std::move(plot));
    return chart;
}

} // namespace fincalc
