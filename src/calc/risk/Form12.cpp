// Coefficient of variation from a standard deviation and an expected return.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm12() {
    return ScreenDesign(12)
        .field("Text1", "标准离差")
        .field("Text2", "期望收益率")
        .button("Command1", "标准离差率",
                [](Ctx& c) {
                    const Num sigma = c.num("Text1"), E = c.num("Text2");
                    Value V;
                    if (E > 0)
                        V = sigma / E;
                    c.print("标准离差率=标准离差/期望收益率=", V);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
