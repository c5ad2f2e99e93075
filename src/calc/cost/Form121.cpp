// Effective interest rate of a loan with a compensating balance: the interest over the amount
// the borrower can use, or the rate over the share of the loan not held back.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm121() {
    return ScreenDesign(121)
        .field("Text1", "银行借款")
        .field("Text2", "利率")
        .field("Text3", "补偿性余额比例")
        .field("Text4", "实际可动用贷款")
        .button("Command2", "实际借款利率一",
                [](Ctx& c) {
                    const auto [L, i, b, A] = c.nums<4>(1);
                    Value rate;
                    if (A > 0)
                        rate = i * L / A;
                    c.print("借款实际利率=银行借款*利率/可动用贷款=", rate);
                })
        .button("Command1", "实际借款利率二",
                [](Ctx& c) {
                    const auto [L, i, b, A] = c.nums<4>(1);
                    Value rate;
                    if (1 - b > 0)
                        rate = i / (1 - b);
                    c.print("借款实际利率=利率/（1-补偿性余额比例）=", rate);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
