// Marginal cost of capital weighted by the target capital structure, used as typed.
#include "calc/capital/CostOfCapital.h"

namespace fincalc {

ScreenDesign declareForm79() {
    return ScreenDesign(79)
        .field("Text1", "长期借款资成")
        .field("Text2", "目标资本结构")
        .field("Text3", "长期债券资成")
        .field("Text4", "目标资本结构")
        .field("Text5", "普通股资成")
        .field("Text6", "目标资本结构")
        .button("Command1", "边际资本成本",
                [](Ctx& c) { c.print("边际资本成本=", capital::costsAboveWeights(c).weightedSum()); })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
