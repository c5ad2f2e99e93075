// Closing balance of a period.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm38() {
    return ScreenDesign(38)
        .field("Text1", "期初余额")
        .field("Text2", "收入")
        .field("Text3", "支出")
        .button("Command1", "期末余额",
                [](Ctx& c) {
                    const auto [opening, receipts, payments] = c.nums<3>(1);
                    c.print("期末余额=期初余额+收入-支出", receipts + opening - payments);
                    c.print("年末余额=第四季度期末余额");
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
