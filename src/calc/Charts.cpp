// Which screens have a chart, and its title.
#include "calc/Charts.h"

#include <algorithm>
#include <iterator>

namespace fincalc {

namespace {

struct ChartEntry {
    int screen;
    const char* title;
    Chart (*draw)(const Fields&);
};

constexpr ChartEntry kCharts[] = {
    {14, "组合标准差与A项目比重", &portfolioChart},    {90, "每股收益无差别点", &ebitEpsChart},
    {125, "成本与业务量的回归直线", &regressionChart}, {128, "本量利图", &profitChart},
    {163, "净现值与折现率", &cashFlowChart},           {165, "贷款还款计划", &loanChart},
};

const ChartEntry* findChart(int screen) {
    const auto it = std::find_if(std::begin(kCharts), std::end(kCharts),
                                 [&](const ChartEntry& e) { return e.screen == screen; });
    return it == std::end(kCharts) ? nullptr : it;
}

} // namespace

bool hasChart(int screen) { return findChart(screen) != nullptr; }

Chart chartOf(int screen, const Fields& fields) {
    const ChartEntry* entry = findChart(screen);
    if (!entry)
        return noteOnly("这个界面没有图表。");
    Chart chart;
    try {
        chart = entry->draw(fields);
    } catch (const ArithmeticFault&) {
        chart = noteOnly("数值超出计算范围，无法作图。");
    }
    chart.title = entry->title;
    return chart;
}

} // namespace fincalc
