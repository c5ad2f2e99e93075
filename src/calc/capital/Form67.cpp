// Cost of a long-term loan: the yearly after-tax interest on the amount borrowed.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm67() {
    return ScreenDesign(67)
        .field("Text1", "长期借款")
        .field("Text2", "年利率")
        .field("Text3", "所得税税率")
        .button("Command1", "长借资金成本率",
                [](Ctx& c) {
                    const auto [L, i, T] = c.nums<3>(1);
                    // An amount, not a rate, as the printed formula says.
                    c.print("长期借款资本成本率=长期借款*年利率*（1-所得税税率）=", (L * i) * (1 - T));
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
