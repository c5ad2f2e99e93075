// Financial leverage from the base period's EBIT and interest.
#include "calc/leverage/Leverage.h"

namespace fincalc {

ScreenDesign declareForm84() {
    return ScreenDesign(84)
        .field("Text1", "基期息税前利润")
        .field("Text2", "基期利息")
        .button("Command1", "财务杠杆系数",
                [](Ctx& c) {
                    const auto [E, I] = leverage::readFigures<2>(c);
                    c.print("财务杠杆系数=基期息税前利润/（基期息税前利润-基期利息）=",
                            leverage::financialLeverage(E, I));
                })
        .button("Command2", "或")
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
