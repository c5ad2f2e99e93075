// Operating leverage from sales, the variable-cost rate and the fixed cost.
#include "calc/leverage/Leverage.h"

namespace fincalc {

ScreenDesign declareForm82() {
    return ScreenDesign(82)
        .field("Text1", "固定成本")
        .field("Text2", "变动成本率")
        .field("Text3", "销售额")
        .button("Command1", "经营杠杆系数",
                [](Ctx& c) {
                    const auto [F, v, S] = leverage::readFigures<3>(c);
                    const leverage::Figure M = (1 - v) * S; // the contribution margin
                    c.print("经营杠杆系数=基期边际贡献/基期息税前利润=",
                            leverage::operatingLeverage(M, M - F));
                })
        .button("Command2", "或")
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
