// Required return as the sum of the pure rate, the inflation premium and the risk premium.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm10() {
    return ScreenDesign(10)
        .field("Text1", "纯粹利率")
        .field("Text2", "通胀补偿率")
        .field("Text3", "风险收益率")
        .button("Command1", "必要收益率",
                [](Ctx& c) {
                    const Num pure = c.num("Text1"), inflation = c.num("Text2"), risk = c.num("Text3");
                    c.print("必要收益率=纯粹利率+通货膨胀补偿率+风险收益率", pure + inflation + risk);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
