// External funding requirement: the working capital not covered by the retained earnings.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm66() {
    return ScreenDesign(66)
        .field("Text1", "流动资产", "Label1")
        .field("Text2", "流动负债", "Label2")
        .field("Text3", "留存收益", "Label3")
        .button("Command1", "外部资金需要量",
                [](Ctx& c) {
                    const auto [CA, CL, R] = c.nums<3>(1);
                    c.print("外部资金需要量=流动资产-流动负债-留存收益=", CA - CL - R);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
