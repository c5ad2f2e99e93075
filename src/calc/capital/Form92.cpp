// Average cost of capital on a small table: the weights of loans, bonds and stock above their
// cost rates. The boxes start with the digits 1 to 6 for the user to overtype.
#include "calc/capital/CostOfCapital.h"

namespace fincalc {

ScreenDesign declareForm92() {
    return ScreenDesign(92)
        .heading("Label1", "平均资本成本率")
        .box("Text12", 1, 0, "筹资方式")
        .box("Text9", 1, 1, "贷款")
        .box("Text10", 1, 2, "债券")
        .box("Text11", 1, 3, "普通股")
        .box("Text7", 2, 0, "资本结构")
        .box("Text1", 2, 1, "1")
        .box("Text2", 2, 2, "2")
        .box("Text3", 2, 3, "3")
        .box("Text8", 3, 0, "个别资本成本率")
        .box("Text4", 3, 1, "4")
        .box("Text5", 3, 2, "5")
        .box("Text6", 3, 3, "6")
        .button("Command1", "平均资本成本率",
                [](Ctx& c) {
                    // The heading boxes are never read.
                    const auto [w1, w2, w3, k1, k2, k3] = c.nums<6>(1);
                    const capital::Sources s{{k1, w1}, {k2, w2}, {k3, w3}};
                    c.print("平均资本成本=", s.weightedSum());
                })
        .side("Command2", "清空", [](Ctx& c) { c.clearFields(1, 6); }) // the headings and the output stay
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
