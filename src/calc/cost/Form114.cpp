// Cash conversion cycle: the inventory and receivables periods less the payables period.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm114() {
    return ScreenDesign(114)
        .field("Text1", "存货周转期")
        .field("Text2", "应收账款周转期")
        .field("Text3", "应付账款周转期")
        .button("Command5", "现金周转期",
                [](Ctx& c) {
                    const auto [Di, Dr, Dp] = c.nums<3>(1);
                    c.print("现金周转期=存货周转期+应收账款周转期-应付账款周转期=", Dr + Di - Dp);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
