// Earnings per share of the two financing plans against EBIT: new stock (plan 甲) and new debt
// (plan 乙), crossing at the indifference point. The fields are those of the financing-choice screen:
// D, r, ΔD, r′, EBIT, T, N, ΔN in Text1 to Text8.
#include "calc/Charts.h"

#include <algorithm>

namespace fincalc {

Chart ebitEpsChart(const Fields& f) {
    const auto [D, r, dD, r2, EBIT, T, N, dN] = f.nums<8>(1);
    if (!(N > 0) || !(dN > 0))
        return noteOnly("已发行普通股和增发普通股须大于0，才有每股收益无差别点。");
    if (!(T < 1))
        return noteOnly("所得税税率须小于1。");

    const Num N1 = N + dN, I1 = r * D, I2 = I1 + r2 * dD, kept = 1 - T, N0 = N;
    const auto epsStock = [&](Num ebit) { return (ebit - I1) * kept / N1; };
    const auto epsDebt = [&](Num ebit) { return (ebit - I2) * kept / N0; };
    const Num indifference = (N1 * I2 - N * I1) / (N1 - N);

    const bool expected = f.filled(5);
    const Num low = std::min({Num(0), indifference, expected ? EBIT : Num(0)});
    Num high = std::max({indifference, I2, expected ? EBIT : Num(0)});
    high = high + (high - low) / 2;
    if (!(high > low))
        high = low + 1;
    const auto line = [&](const char* name, auto eps) {
        return ChartSeries{name,
                           ChartSeries::Style::Line,
                           {{low.toDouble(), eps(low).toDouble()}, {high.toDouble(), eps(high).toDouble()}}};
    };
    ChartPlot plot{.title = "两个筹资方案的每股收益"};
    plot.series.push_back(line("甲方案（增发普通股）", epsStock));
    plot.series.push_back(line("乙方案（借债）", epsDebt));
    plot.marks.push_back(
        {"无差别点：" + named("EBIT", indifference) + "，" + named("EPS", epsStock(indifference)),
         {indifference.toDouble(), epsStock(indifference).toDouble()}});
    if (expected) {
        // One label for both plans' points at the expected EBIT, which lie close together.
        plot.marks.push_back({"预计" + named("EBIT", EBIT) + "：甲" + named("EPS", epsStock(EBIT)) + "，乙" +
                                  named("EPS", epsDebt(EBIT)),
                              {EBIT.toDouble(), epsStock(EBIT).toDouble()}});
        plot.marks.push_back({"", {EBIT.toDouble(), epsDebt(EBIT).toDouble()}});
    }
    fitAxes(plot, "息税前利润EBIT", "每股收益EPS");
    return {.plots = {std::move(plot)}};
}

} // namespace fincalc
