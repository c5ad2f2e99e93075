// The equal yearly rent of a lease: the equipment's value less the present value of its residue,
// spread over the periods at the interest rate plus the fee rate.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm43() {
    return ScreenDesign(43)
        .field("Text1", "设备价值")
        .field("Text2", "残值")
        .field("Text3", "计息期数")
        .field("Text4", "期利率")
        .field("Text5", "手续率")
        .button("Command1", "求租金",
                [](Ctx& c) {
                    const auto [V, S, n, i, f] = c.nums<5>(1);
                    const Num r = f + i;
                    Value rent;
                    if (r > 0) {
                        const Num v = pow(i + 1 + f, -n); // (P/F, r, n); with n = 0 the annuity factor is 0
                        rent = (V - v * S) / ((1 - v) / r);
                    }
                    c.print("每年租金=(设备价值-残值*(P/F,i,n))/(P/A,i,n)=", rent);
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
