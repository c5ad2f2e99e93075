// Average cost of capital weighted by the amounts of loans, bonds and stock.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm70() {
    return ScreenDesign(70)
        .field("Text1", "长期借款")
        .field("Text2", "资金成本率")
        .field("Text3", "债券发行价")
        .field("Text4", "资金成本率")
        .field("Text5", "普通股价值")
        .field("Text6", "资金成本率")
        .button("Command1", "平均资本成本率",
                [](Ctx& c) {
                    const auto [L, kL, B, kB, E, kE] = c.nums<6>(1);
                    const Num total = (B + L) + E;
                    Value average;
                    if (total > 0)
                        average = ((kL * L) / total + (kB * B) / total) + (kE * E) / total;
                    c.print("平均资本成本率", average);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
