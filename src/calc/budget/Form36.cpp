// Interest paid on a repaid loan: the yearly rate over a time in months.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm36() {
    return ScreenDesign(36)
        .field("Text1", "还借款")
        .field("Text2", "年利率")
        .field("Text3", "时间（月）")
        .button("Command1", "利息",
                [](Ctx& c) {
                    const auto [loan, rate, months] = c.nums<3>(1);
                    c.print("支付利息=偿还借款*年利率*时间/12=", rate * loan * months / 12);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
