// Expected earnings of common stock after a change of the EBIT.
#include "calc/leverage/Leverage.h"

namespace fincalc {

ScreenDesign declareForm86() {
    return ScreenDesign(86)
        .field("Text1", "普通股收益")
        .field("Text2", "息税前利润变动率")
        .field("Text3", "财务杠杆系数")
        .button("Command1", "普通股预计收益",
                [](Ctx& c) {
                    const auto [EPS, change, DFL] = leverage::readFigures<3>(c);
                    c.print("普通股收益=", EPS * (1 + DFL * change));
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
