// Net profit: the total profit less income tax.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm41() {
    return ScreenDesign(41)
        .field("Text1", "利润总额", "Label1") // computed on the total-profit screen, opened by a click
        .field("Text2", "所得税费用", "Label2")
        .button("Command1", "净利润",
                [](Ctx& c) {
                    const auto [total, tax] = c.nums<2>(1);
                    c.print("净利润=利润总额-所得税费用=", total - tax);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
