// Sensitivity coefficient: the percentage change of profit over the percentage change of a factor.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm124() {
    return ScreenDesign(124)
        .field("Text1", "利率变动百分比") // the change of profit, as the printed line names it
        .field("Text2", "因素变动百分比")
        .button("Command2", "敏感系数",
                [](Ctx& c) {
                    const auto [dP, dX] = c.nums<2>(1);
                    Value k;
                    if (dX != 0) // a factor that falls has a coefficient too
                        k = dP / dX;
                    c.print("敏感系数=利润变动百分比/因素变动百分比=", k);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
