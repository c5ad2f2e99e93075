// Contribution margin of a product: per unit, in total and as a ratio of the price, and the
// earnings before interest and tax it leaves after the fixed costs.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm122() {
    return ScreenDesign(122)
        .field("Text1", "售价单价")
        .field("Text2", "单位变动成本")
        .field("Text3", "固定成本总额")
        .field("Text4", "当年产销量")
        .button("Command2", "单位边际贡献",
                [](Ctx& c) {
                    const auto [p, v, F, q] = c.nums<4>(1);
                    c.print("单位边际贡献=售价-单位变动成本=", p - v);
                })
        .button("Command1", "边际贡献总额",
                [](Ctx& c) {
                    const auto [p, v, F, q] = c.nums<4>(1);
                    c.print("边际贡献总额=单位边际贡献*当年产销量=", (p - v) * q);
                })
        .button("Command5", "边际贡献率",
                [](Ctx& c) {
                    const auto [p, v, F, q] = c.nums<4>(1);
                    Value ratio;
                    if (p > 0)
                        ratio = (p - v) / p;
                    c.print("边际贡献率=单位边际贡献/售价=", ratio);
                })
        .button("Command6", "息税前利润",
                [](Ctx& c) {
                    const auto [p, v, F, q] = c.nums<4>(1);
                    c.print("息税前利润=边际贡献总额-固定成本总额=", (p - v) * q - F);
                })
        .buttonColumns(4)
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
