// EBIT and all three leverages from unit price, unit variable cost, volume, fixed cost and interest.
#include "calc/leverage/Leverage.h"

namespace fincalc {

namespace {

using leverage::Figure;

// Every button reads all five fields, top to bottom.
struct Sales {
    Figure F, b, p, Q, I;

    Figure margin() const { return (p - b) * Q; }
    Figure ebit() const { return margin() - F; }
    Value operatingLeverage() const { return leverage::operatingLeverage(margin(), ebit()); }
    Value financialLeverage() const { return leverage::financialLeverage(ebit(), I); }
};

Sales readSales(const Ctx& c) { return leverage::readAll<Sales, 5>(c); }

} // namespace

ScreenDesign declareForm89() {
    return ScreenDesign(89)
        .field("Text1", "固定成本总额")
        .field("Text2", "单位变动成本")
        .field("Text3", "单位售价")
        .field("Text4", "销售量")
        .field("Text5", "利息费用")
        .buttonColumns(4)
        .button("Command1", "息税前利润",
                [](Ctx& c) {
                    c.print("息税前利润=销售量*（单位售价-单位变动成本）-固定成本总额=", readSales(c).ebit());
                })
        .button("Command2", "经营杠杆系数",
                [](Ctx& c) {
                    c.print("经营杠杆系数润=销售量*（单位售价-单位变动成本）/息税前利润=",
                            readSales(c).operatingLeverage());
                })
        .button("Command5", "财务杠杆系数",
                [](Ctx& c) {
                    c.print("财务杠杆系数=息税前利润/（息税前利润-利息费用）=",
                            readSales(c).financialLeverage());
                })
        .button("Command6", "总杠杆系数",
                [](Ctx& c) {
                    const Sales x = readSales(c);
                    // Either leverage not computed counts as 0, and so does the product.
                    c.print("总杠杆系数=经营杠杆系数*财务杠杆系数=",
                            Figure(x.operatingLeverage()) * x.financialLeverage());
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
