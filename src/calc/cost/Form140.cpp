// Fixed overhead budget from the budgeted output, the standard hours and the standard rate.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm140() {
    return ScreenDesign(140)
        .field("Text1", "预算产量")
        .field("Text2", "工时标准")
        .field("Text3", "标准分配率")
        .button("Command1", "固定制造费用预算数",
                [](Ctx& c) {
                    const auto [Qb, h, r] = c.nums<3>(1);
                    c.print("固定制造费用预算数=预算产量*工时标准*标准分配率=", (h * Qb) * r);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
