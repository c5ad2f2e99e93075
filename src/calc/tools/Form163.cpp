// Cash-flow analysis: net present value, present value index, internal rate of return with the
// interpolation a student would do by hand, and the payback periods.
#include "calc/tools/CashFlows.h"
#include "calc/tools/Solve.h"

#include <algorithm>
#include <string>
#include <vector>

namespace fincalc {

namespace {

// How often the non-zero flows change sign.
int signChanges(const std::vector<Num>& flows) {
    int changes = 0, last = 0;
    for (Num x : flows) {
        const int s = x > 0 ? 1 : x < 0 ? -1 : 0;
        if (s != 0 && last != 0 && s != last)
            ++changes;
        if (s != 0)
            last = s;
    }
    return changes;
}

// The last period whose cumulative flow is negative, plus the part of the next period's flow
// needed to recover it; empty when the flows do not recover within their periods.
Value payback(const std::vector<Num>& flows) {
    std::vector<Num> cumulative;
    Num sum = 0;
    for (Num x : flows)
        cumulative.push_back(sum = sum + x);
    if (cumulative.back() < 0)
        return {};
    const auto last = std::find_if(cumulative.rbegin(), cumulative.rend(), [](Num x) { return x < 0; });
    if (last == cumulative.rend())
        return 0;
    const auto T = static_cast<std::size_t>(cumulative.rend() - last - 1);
    return Num(static_cast<int>(T)) + -cumulative[T] / flows[T + 1];
}

// Prints a payback line: the period, or that the flows do not recover within their n periods.
void printPayback(Ctx& c, const std::string& name, const std::vector<Num>& flows) {
    if (flows.empty())
        return c.print(name + "=");
    const Value period = payback(flows);
    if (period.empty())
        return c.print(name + "：在", static_cast<int>(flows.size()) - 1, "期内不能收回投资");
    c.print(name + "=", period);
}

} // namespace

ScreenDesign declareForm163() {
    ScreenDesign design(163);
    design.title("现金流量分析").heading("Label1", "现金流量分析").field("Text1", "折现率i=");
    // The flows as a table of three blocks of seven periods, read down each block.
    constexpr int kBlockRows = 7, kTop = 2;
    for (int block = 0; block < 3; ++block) {
        design.text("", "期数t", kTop, 2 * block).text("", "现金净流量NCFt", kTop, 2 * block + 1);
        for (int row = 0; row < kBlockRows; ++row) {
            const int t = block * kBlockRows + row;
            design.text("", std::to_string(t), kTop + 1 + row, 2 * block)
                .box(fieldName(2 + t), kTop + 1 + row, 2 * block + 1);
        }
    }
    return design
        .button("Command1", "净现值NPV",
                [](Ctx& c) {
                    const Num i = c.num(1);
                    const auto flows = cashFlows(c);
                    Value result;
                    if (i > -1 && !flows.empty())
                        result = npv(flows, i);
                    c.print("NPV=∑NCFt/(1+i)^t=", result);
                })
        .button("Command2", "现值指数PI",
                [](Ctx& c) {
                    const Num i = c.num(1);
                    const auto flows = cashFlows(c);
                    Value result;
                    if (i > -1) {
                        const Num inflows = presentValue(flows, i, [](Num x) { return x > 0; });
                        const Num outflows = presentValue(flows, i, [](Num x) { return x < 0; });
                        if (outflows < 0)
                            result = inflows / (0 - outflows);
                    }
                    c.print("PI=∑正现金流量现值/|∑负现金流量现值|=", result);
                })
        .button("Command3", "内含报酬率IRR",
                [](Ctx& c) {
                    const auto flows = cashFlows(c);
                    const RateFunction f = [&](Num i) { return npv(flows, i); };
                    const auto rates = flows.empty() ? std::vector<Real>{} : findRates(f);
                    if (rates.empty())
                        return c.print("在-99%至1000%之间没有使NPV=0的折现率");
                    for (Real rate : rates)
                        c.print("IRR=", Num(rate));
                    if (signChanges(flows) > 1)
                        c.print("现金流量多次改变符号，内含报酬率可能不唯一");
                    printInterpolation(c, f, rates.front(), "IRR");
                })
        .button("Command4", "静态回收期", [](Ctx& c) { printPayback(c, "静态回收期", cashFlows(c)); })
        .button("Command5", "动态回收期",
                [](Ctx& c) {
                    const Num i = c.num(1);
                    if (!(i > -1))
                        return c.print("动态回收期=");
                    printPayback(c, "动态回收期", discounted(cashFlows(c), i));
                })
        .buttonColumns(5)
        .cancel("Command6")
        .exit("Command7");
}

} // namespace fincalc
