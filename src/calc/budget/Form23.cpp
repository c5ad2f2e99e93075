// Cash outlay for manufacturing overhead in a quarter: the overhead less its depreciation.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm23() {
    return ScreenDesign(23)
        .field("Text1", "该季度生产量", "Label1")
        .field("Text2", "单位变动制造费用", "Label2")
        .field("Text3", "固定制造费用", "Label3")
        .field("Text4", "制造费用折旧", "Label4")
        .button("Command1", "制造费用预算",
                [](Ctx& c) {
                    const auto [Q, v, F, Dep] = c.nums<4>(1);
                    c.print(
                        "该季度制造费用现金支出预算=该季度生产量*单位变动制造费用+固定制造费用-制造费用折旧=",
                        v * Q + F - Dep);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
