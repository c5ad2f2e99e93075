// Commitment fee of a revolving credit line: the rate on the part of the line left unused.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm119() {
    return ScreenDesign(119)
        .field("Text1", "周转信贷额度")
        .field("Text2", "实际使用额度")
        .field("Text3", "承诺率")
        .button("Command2", "承诺费",
                [](Ctx& c) {
                    const auto [G, W, rate] = c.nums<3>(1);
                    c.print("承诺费=（周转信贷额度-实际使用额度）*承诺率=", (G - W) * rate);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
