// The tools' charts: a project's NPV against the discount rate with its IRRs, and a loan's balance
// and payments period by period.
#include "calc/Charts.h"
#include "calc/tools/CashFlows.h"
#include "calc/tools/Loan.h"
#include "calc/tools/Solve.h"

#include <algorithm>
#include <string>

namespace fincalc {

Chart cashFlowChart(const Fields& f) {
    const auto flows = cashFlows(f);
    if (flows.empty())
        return noteOnly("请输入各期现金净流量。");
    const RateFunction npvAt = [&](Num i) { return npv(flows, i); };
    const std::vector<Real> rates = findRates(npvAt);
    const Num i = f.num(1);
    const bool rateMarked = f.filled(1) && i > -1;

    // From 0 (or a little below the lowest rate of interest) to a little beyond the highest, where
    // the curve is still readable: close to -100 % the discounting explodes.
    Real low = 0, high = 0.2;
    for (const Real rate : rates) {
        low = std::min(low, rate);
        high = std::max(high, rate);
    }
    if (rateMarked) {
        low = std::min(low, i.value());
        high = std::max(high, i.value());
    }
    const Real margin = (high - low) / 5;
    low = std::max(low - (low < 0 ? margin : 0), Real(-0.95));
    high = high + margin;

    Chart chart;
    ChartPlot curve{.title = "净现值NPV与折现率i"};
    curve.series.push_back(
        {"净现值NPV", ChartSeries::Style::Line,
         sample([&](double rate) { return npv(flows, rate).toDouble(); }, double(low), double(high), 100)});
    for (const Real rate : rates)
        curve.marks.push_back({named("IRR", Num(rate)), {double(rate), 0}});
    if (rateMarked)
        curve.marks.push_back(
            {named("i", i) + "，" + named("NPV", npv(flows, i)), {i.toDouble(), npv(flows, i).toDouble()}});
    if (rates.empty())
        chart.note = "在-99%至1000%之间没有使NPV=0的折现率。";
    fitAxes(curve, "折现率i", "净现值NPV");

    ChartPlot bars{.title = "各期现金净流量"};
    ChartSeries flowBars{"现金净流量NCFt", ChartSeries::Style::Bars};
    for (std::size_t t = 0; t < flows.size(); ++t)
        flowBars.points.push_back({double(t), flows[t].toDouble()});
    bars.series.push_back(std::move(flowBars));
    fitAxes(bars, "期数t", "现金净流量NCFt");

    chart.plots = {std::move(curve), std::move(bars)};
    return chart;
}

namespace {

double yuan(Cents cents) { return double(cents) / 100; }

// Each payment of a schedule as a bar of its principal with its interest on top.
ChartPlot paymentSplit(const std::string& method, const Schedule& schedule) {
    ChartPlot plot{.title = method + "：每期还款额中的本金与利息"};
    ChartSeries principal{method + "本金", ChartSeries::Style::Bars};
    ChartSeries interest{method + "利息", ChartSeries::Style::Bars};
    for (std::size_t k = 0; k < schedule.rows.size(); ++k) {
        principal.points.push_back({double(k + 1), yuan(schedule.rows[k].principal)});
        interest.points.push_back({double(k + 1), yuan(schedule.rows[k].interest)});
    }
    plot.series = {std::move(principal), std::move(interest)};
    fitAxes(plot, "期数", "还款额");
    return plot;
}

ChartSeries balances(const std::string& method, const Loan& loan, const Schedule& schedule) {
    ChartSeries series{method + "剩余本金", ChartSeries::Style::Line, {{0, yuan(loan.amount)}}};
    for (std::size_t k = 0; k < schedule.rows.size(); ++k)
        series.points.push_back({double(k + 1), yuan(schedule.rows[k].balance)});
    return series;
}

} // namespace

Chart loanChart(const Fields& f) {
    const LoanReading reading = readLoan(f);
    if (!reading.loan)
        return noteOnly(reading.problem);
    const Loan& loan = *reading.loan;
    const Schedule levelPayment = levelPaymentSchedule(loan), levelPrincipal = levelPrincipalSchedule(loan);
    ChartPlot balance{.title = "每期末的剩余本金"};
    balance.series = {balances("等额本息", loan, levelPayment), balances("等额本金", loan, levelPrincipal)};
    fitAxes(balance, "期数", "剩余本金");
    return {.plots = {std::move(balance), paymentSplit("等额本息", levelPayment),
                      paymentSplit("等额本金", levelPrincipal)}};
}

} // namespace fincalc
