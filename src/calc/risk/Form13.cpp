// Expected return of a two-asset portfolio.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm13() {
    return ScreenDesign(13)
        .heading("Label1", "资产组合的预期收益率")
        .box("Text9", 1, 0)
        .box("Text7", 1, 1, "A资产")
        .box("Text8", 1, 2, "B资产")
        .box("Text5", 2, 0, "概率")
        .box("Text1", 2, 1)
        .box("Text3", 2, 2)
        .box("Text6", 3, 0, "预期收益率")
        .box("Text2", 3, 1)
        .box("Text4", 3, 2)
        .button("Command1", "预期收益率",
                [](Ctx& c) {
                    const Num wA = c.num("Text1"), EA = c.num("Text2"), wB = c.num("Text3"),
                              EB = c.num("Text4");
                    c.print("∑Wi*E(Ri)=", wA * EA + wB * EB);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
