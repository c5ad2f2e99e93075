// Earnings before interest and tax: the net profit with the interest and the income tax added back.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm61() {
    return ScreenDesign(61)
        .field("Text1", "税后净利润", "Label1")
        .field("Text2", "利息支出", "Label2")
        .field("Text3", "所得税", "Label3")
        .button("Command1", "息税前利润",
                [](Ctx& c) {
                    const auto [N, I, T] = c.nums<3>(1);
                    c.print("息税前利润=税后净利润+利息支出+所得税=", N + I + T);
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
