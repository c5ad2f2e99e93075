// Average cost of capital weighted by market values.
#include "calc/capital/CostOfCapital.h"

namespace fincalc {

ScreenDesign declareForm78() {
    return ScreenDesign(78)
        .field("Text1", "长期借款资成")
        .field("Text2", "市场价值")
        .field("Text3", "长期债券资成")
        .field("Text4", "市场价值")
        .field("Text5", "普通股资成")
        .field("Text6", "市场价值")
        .button("Command1", "市场平资成",
                [](Ctx& c) {
                    const capital::Sources s = capital::costsAboveWeights(c);
                    Value average;
                    if (s.totalWeight() > 0)
                        average = s.weightedSum() / s.totalWeight();
                    c.print("市场平均资本成本=", average);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
