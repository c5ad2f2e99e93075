// Actual fixed overhead rate per hour.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm137() {
    return ScreenDesign(137)
        .field("Text1", "固定制造费用实际数")
        .field("Text2", "实际工时")
        .button("Command1", "实际分配率",
                [](Ctx& c) {
                    const auto [A, H] = c.nums<2>(1);
                    Value rate;
                    if (H > 0)
                        rate = A / H;
                    c.print("实际分配率=固定制造费用实际数/实际工时=", rate);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
