// Financial leverage from the rates of change of the common-stock earnings and of the EBIT.
#include "calc/leverage/Leverage.h"

namespace fincalc {

ScreenDesign declareForm85() {
    return ScreenDesign(85)
        .field("Text1", "普通股收益变动率")
        .field("Text2", "息税前利润变动率")
        .button("Command1", "财务杠杆系数",
                [](Ctx& c) {
                    const auto [earnings, ebit] = leverage::readFigures<2>(c);
                    Value degree;
                    if (ebit > 0)
                        degree = earnings / ebit;
                    c.print("财务杠杆系数=普通股收益变动率/息税前利润变动率=", degree);
                })
        .button("Command2", "普通股预计收益") // opens the expected earnings beside this screen
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
