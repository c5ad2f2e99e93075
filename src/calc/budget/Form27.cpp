// Cash paid for direct materials: the cost share of this month's and next month's sales, each
// paid for in the share that falls due this month.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm27() {
    return ScreenDesign(27)
        .field("Text1", "本月销售收入")
        .field("Text2", "下月销售收入")
        .field("Text3", "成本比例")
        .field("Text4", "材料款本月比例")
        .field("Text5", "材料款下月比例")
        .button("Command1", "直接材料",
                [](Ctx& c) {
                    const auto [St, Sn, r, qt, qn] = c.nums<5>(1);
                    c.print("直接材料", r * Sn * qn + r * St * qt);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
