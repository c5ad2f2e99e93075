// Return on a single asset: income, capital gain and total return, in amounts and as rates.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm9() {
    return ScreenDesign(9)
        .field("Text1", "资产原价")
        .field("Text2", "收益")
        .field("Text3", "资产市价")
        .button("Command1", "资产收益",
                [](Ctx& c) {
                    const Num P0 = c.num("Text1"), D = c.num("Text2"), P1 = c.num("Text3");
                    const Num capitalGain = P1 - P0;
                    const Num total = (P1 - P0) + D;
                    c.print("利息收益", D);
                    c.print("资本利得", capitalGain);
                    c.print("资产收益", total);
                })
        .button("Command2", "资产收益率",
                [](Ctx& c) {
                    const Num P0 = c.num("Text1"), D = c.num("Text2"), P1 = c.num("Text3");
                    Value interestYield, capitalGainYield, totalReturn;
                    if (P0 > 0) {
                        interestYield = D / P0;
                        capitalGainYield = (P1 - P0) / P0;
                        totalReturn = ((P1 + D) - P0) / P0;
                    }
                    c.print("利息收益率", interestYield);
                    c.print("资本利得收益率", capitalGainYield);
                    c.print("资产收益率", totalReturn);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
