// The annuity cost of a given present value of net cash outflows.
#include "calc/investment/Appraisal.h"

namespace fincalc {

ScreenDesign declareForm99() {
    return ScreenDesign(99)
        .field("Text1", "年金净流出现值")
        .field("Text2", "利率")
        .field("Text3", "年限")
        .button("Command2", "年金成本",
                [](Ctx& c) {
                    const auto [PV, i, n] = c.nums<3>(1); // every field, top to bottom
                    c.print("年金成本=年金净流出量现值/年金现值系数=", investment::annuityCost(PV, i, n));
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
