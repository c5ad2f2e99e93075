// Standard fixed overhead rate from the budget and the planned capacity in standard hours.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm141() {
    return ScreenDesign(141)
        .field("Text1", "固定制造费用预算额")
        .field("Text2", "工时标准")
        .field("Text3", "计划生产能力")
        .button("Command1", "固定制造费用标准分配率",
                [](Ctx& c) {
                    const auto [B, h, K] = c.nums<3>(1);
                    Value rate;
                    if (K * h > 0)
                        rate = B / (K * h);
                    c.print(
                        "固定制造费用分配率=固定制造费用预算额/（工时标准*计划生产能力）=固定制造费用预算额/"
                        "标准人工工时总数=",
                        rate);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
