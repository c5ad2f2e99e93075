// Operating leverage from the fixed cost and the EBIT.
#include "calc/leverage/Leverage.h"

namespace fincalc {

ScreenDesign declareForm83() {
    return ScreenDesign(83)
        .field("Text1", "固定成本")
        .field("Text2", "息税前利润")
        .button("Command1", "经营杠杆系数",
                [](Ctx& c) {
                    const auto [F, E] = leverage::readFigures<2>(c);
                    c.print("经营杠杆系数=基期边际贡献/基期息税前利润=",
                            leverage::operatingLeverage(E + F, E));
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
