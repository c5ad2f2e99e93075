// Retained earnings: the part of the net profit not paid out to the investors.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm65() {
    return ScreenDesign(65)
        .field("Text1", "净利润", "Label1")
        .field("Text2", "分配投资者比例", "Label2")
        .button("Command1", "留存收益",
                [](Ctx& c) {
                    const auto [N, p] = c.nums<2>(1);
                    c.print("留存收益=净利润*利润留存率=", (1 - p) * N);
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
