// Cash receipts of the month: what comes in from the sales of three months.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm25() {
    return ScreenDesign(25)
        .field("Text1", "前月销售现金收入")
        .field("Text2", "上月销售现金收入")
        .field("Text3", "本月销售现金收入")
        .button("Command1", "现金收入",
                [](Ctx& c) {
                    const auto [before, last, current] = c.nums<3>(1);
                    c.print("现金收入=前月销售现金收入+上月销售现金收入+本月销售现金收入=",
                            last + before + current);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
