// Average cost of capital weighted by book-value proportions, used as typed.
#include "calc/capital/CostOfCapital.h"

namespace fincalc {

ScreenDesign declareForm77() {
    return ScreenDesign(77)
        .field("Text1", "长期借款资成")
        .field("Text2", "账面占比")
        .field("Text3", "长期债券资成")
        .field("Text4", "账面占比")
        .field("Text5", "普通股资成")
        .field("Text6", "账面占比")
        .button("Command1", "账面平资成",
                [](Ctx& c) { c.print("账面平均资本成本=", capital::costsAboveWeights(c).weightedSum()); })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
