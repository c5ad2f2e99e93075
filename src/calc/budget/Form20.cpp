// Planned production of a quarter: its sales plus the closing stock less the opening stock, each
// stock a share of its quarter's sales.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm20() {
    return ScreenDesign(20)
        .field("Text1", "存货销售率")
        .field("Text2", "某季度预计销售量")
        .field("Text3", "下季度预计销售量")
        .button("Command1", "某季度预计产量",
                [](Ctx& c) {
                    const auto [k, Q, Qn] = c.nums<3>(1);
                    c.print("预计生产量=预计销售量+预计期末产成品-预计期初产成品=", Qn * k + Q - Q * k);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
