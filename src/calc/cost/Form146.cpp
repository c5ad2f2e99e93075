// Return on investment: the earnings over the average of the opening and closing operating assets.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm146() {
    return ScreenDesign(146)
        .field("Text1", "息税前利润")
        .field("Text2", "期初营业资产")
        .field("Text3", "期末营业资产")
        .button("Command1", "投资收益率",
                [](Ctx& c) {
                    const auto [E, A0, A1] = c.nums<3>(1);
                    Value roi;
                    if (A1 + A0 > 0) // twice the earnings over the sum: the earnings over the average
                        roi = (E + E) / (A1 + A0);
                    c.print("投资收益率=营业利润（息税前利润）/平均营业资产=", roi);
                })
        .cancel("Command6")
        .exit("Command7");
}

} // namespace fincalc
