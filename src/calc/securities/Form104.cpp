// Capital a perpetual fund needs to pay a fixed amount every year, the first payment included.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm104() {
    return ScreenDesign(104)
        .field("Text1", "每年发放")
        .field("Text2", "年利率")
        .button("Command2", "永续基金投入",
                [](Ctx& c) {
                    const auto [A, i] = c.nums<2>(1); // every field, top to bottom
                    Value fund;
                    if (i > 0)
                        fund = A / i + A;
                    c.print("基金投入额=每年发放额/年利率+每年发放额=", fund);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
