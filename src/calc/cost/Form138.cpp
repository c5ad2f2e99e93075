// Standard fixed overhead rate per budgeted standard hour.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm138() {
    return ScreenDesign(138)
        .field("Text1", "固定制造费用预算数")
        .field("Text2", "预算材料标准工时")
        .button("Command1", "标准分配率",
                [](Ctx& c) {
                    const auto [B, Hb] = c.nums<2>(1);
                    Value rate;
                    if (Hb > 0)
                        rate = B / Hb;
                    c.print("标准分配率=固定制造费用预算数/预算产量的标准工时=", rate);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
