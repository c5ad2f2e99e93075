// Planned purchase quantity of a material.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm21() {
    return ScreenDesign(21)
        .field("Text1", "预计生产件数")
        .field("Text2", "单位产品消耗量")
        .field("Text3", "期末存量")
        .field("Text4", "期初存量")
        .button("Command1", "预计采购量",
                [](Ctx& c) {
                    const auto [P, u, closing, opening] = c.nums<4>(1);
                    c.print("预计采购量=生产需用量+期末存量-期初存量=", u * P + closing - opening);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
