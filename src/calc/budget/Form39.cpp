// Gross profit on sales.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm39() {
    return ScreenDesign(39)
        .field("Text1", "销售收入")
        .field("Text2", "销售成本")
        .button("Command1", "销售毛利",
                [](Ctx& c) {
                    const auto [sales, cost] = c.nums<2>(1);
                    c.print("销售毛利=销售收入-销售成本=", sales - cost);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
