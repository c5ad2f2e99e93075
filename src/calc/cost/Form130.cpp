// The profit before interest and tax that leaves a given profit after tax.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm130() {
    return ScreenDesign(130)
        .field("Text1", "税后利润")
        .field("Text2", "税率")
        .field("Text3", "利息")
        .button("Command1", "目标利润",
                [](Ctx& c) {
                    const auto [N, T, I] = c.nums<3>(1);
                    c.print("目标利润=税后利润/（1-税率）+利息=税前利润+利息=",
                            N / (1 - T) + I); // T = 1 faults
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
