// Unit price grossed up for consumption tax: unit full cost plus unit target profit, over one
// minus the tax rate.
#include "app/Session.h"

namespace fincalc {

namespace {

// A total spread over the planned volume; empty when there is no planned volume.
Value perUnit(Num total, Num Q) {
    Value unit;
    if (Q > 0)
        unit = total / Q;
    return unit;
}

} // namespace

ScreenDesign declareForm160() {
    return ScreenDesign(160)
        .field("Text1", "计划销售量")
        .field("Text2", "目标利润总额")
        .field("Text3", "完全成本总额")
        .field("Text4", "消费税税率")
        .button("Command1", "单价",
                [](Ctx& c) {
                    const auto [Q, profit, cost, tax] = c.nums<4>(1);
                    // Without a planned volume the price is 0; a tax rate of 1 divides by zero.
                    const Value price = (perUnit(profit, Q) + perUnit(cost, Q)) / (1 - tax);
                    c.print("单价=（单位完全成本+单位目标利润）/（1-消费税税率）=", price);
                })
        .button("Command4", "单位完全成本",
                [](Ctx& c) {
                    const auto [Q, profit, cost, tax] = c.nums<4>(1);
                    c.print("单位完全成本=完全成本总额/计划销售量=", perUnit(cost, Q));
                })
        .button("Command5", "单位目标利润",
                [](Ctx& c) {
                    const auto [Q, profit, cost, tax] = c.nums<4>(1);
                    c.print("单位目标利润=目标利润总额/计划销售量=", perUnit(profit, Q));
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
