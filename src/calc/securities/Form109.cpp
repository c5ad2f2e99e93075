// Variable storage cost of one unit: the extra storage fee and the interest on the funds it ties up.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm109() {
    return ScreenDesign(109)
        .field("Text1", "单位增加仓储费")
        .field("Text2", "标准件占用资金")
        .field("Text3", "资金利息率")
        .button("Command5", "单位变动储存成本",
                [](Ctx& c) {
                    const auto [s, m, r] = c.nums<3>(1); // every field, top to bottom
                    c.print("单位变动储存成本=单位增加仓储费+单位标准件占用资金*资金利息率=", r * m + s);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
