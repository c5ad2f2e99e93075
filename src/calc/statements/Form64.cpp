// Working capital: the current assets less the current liabilities.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm64() {
    return ScreenDesign(64)
        .field("Text1", "流动资产合计", "Label1")
        .field("Text2", "流动负债合计", "Label2")
        .button("Command1", "营运资金",
                [](Ctx& c) {
                    const auto [CA, CL] = c.nums<2>(1);
                    c.print("营运资金=流动资产-流动负债=", CA - CL);
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
