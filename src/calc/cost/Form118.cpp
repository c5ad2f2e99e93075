// Reorder point: the daily use on a year of 360 days, over the safety time and the delivery time.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm118() {
    return ScreenDesign(118)
        .field("Text1", "材料采购量")
        .field("Text2", "送达时间")
        .field("Text3", "保险储备时间")
        .button("Command2", "再订货点",
                [](Ctx& c) {
                    const auto [A, L, s] = c.nums<3>(1);
                    const Num u = A / 360; // the daily use
                    c.print("在订货点=（延误天数+正常送达天数）*平均需用量=", s * u + L * u);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
