// Value of a stock whose dividend grows at a constant rate.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm102() {
    return ScreenDesign(102)
        .field("Text1", "股票收益率")
        .field("Text2", "每股股利")
        .field("Text3", "股利增长速度")
        .button("Command2", "股票价值",
                [](Ctx& c) {
                    const auto [Rs, D0, g] = c.nums<3>(1); // every field, top to bottom
                    Value V;
                    if (Rs - g > 0)
                        V = (1 + g) * D0 / (Rs - g);
                    c.print("股票价值=每股股利*（1+股利增长速度）/（股票收益率-股利增长速度）=", V);
                    c.print("若市价低于股票价值，则它值得被购买");
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
