// From net profit and a bond issue: the profit before tax, the interest, the EBIT, both
// leverages and the cost of the bonds.
#include "calc/leverage/Leverage.h"

namespace fincalc {

namespace {

using leverage::Figure;

// Every button reads all eight fields, top to bottom.
struct BondIssue {
    Figure N, T, F, n, B, P, r, f;

    Figure profit() const { return N / (1 - T); } // a tax rate of 1 divides by zero
    Figure interest() const { return B * n * r; }
    Figure ebit() const { return profit() + interest(); }
};

BondIssue readIssue(const Ctx& c) { return leverage::readAll<BondIssue, 8>(c); }

} // namespace

ScreenDesign declareForm87() {
    return leverage::inTwoColumns(87,
                                  {"净利润", "所得税税率", "固定成本总额", "债券数量", "面值", "发行价格",
                                   "票面利率", "发行费率"},
                                  4)
        .button("Command1", "利润总额",
                [](Ctx& c) { c.print("利润总额=净利润/（1-所得税税率）=", readIssue(c).profit()); })
        .button("Command2", "利息总额",
                [](Ctx& c) { c.print("利息总额=债券数量*面值*票面利率=", readIssue(c).interest()); })
        .button("Command5", "息税前利润总额",
                [](Ctx& c) { c.print("息税前利润总额=利润总额+利息总额=", readIssue(c).ebit()); })
        .button("Command6", "财务杠杆系数",
                [](Ctx& c) {
                    const BondIssue x = readIssue(c);
                    const Figure profit = x.profit(), ebit = x.ebit();
                    Value degree;
                    if (profit > 0)
                        degree = ebit / profit;
                    c.print("财务杠杆系数=息税前利润总额/（息税前利润总额-利息总额）=", degree);
                })
        .button("Command7", "经营杠杆系数",
                [](Ctx& c) {
                    const BondIssue x = readIssue(c);
                    const Figure ebit = x.ebit();
                    c.print("经营杠杆系数=（息税前利润总额+固定成本总额）/息税前利润总额=",
                            leverage::operatingLeverage(x.F + ebit, ebit));
                })
        .button("Command8", "债券资本成本",
                [](Ctx& c) {
                    const BondIssue x = readIssue(c);
                    Value cost;
                    if (x.P > 0)
                        cost = x.r * x.B * (1 - x.T) / ((1 - x.f) * x.P);
                    c.print("债券资本成本", cost); // no equals sign before the value
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
