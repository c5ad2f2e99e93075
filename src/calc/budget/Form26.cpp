// Cash available: the opening balance and the month's receipts.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm26() {
    return ScreenDesign(26)
        .field("Text1", "期初现金余额", "Label1")
        .field("Text2", "现金收入", "Label2") // computed on the receipts screen, opened by a click
        .button("Command1", "可使用现金",
                [](Ctx& c) {
                    const auto [opening, receipts] = c.nums<2>(1);
                    c.print("可使用现金=期初现金余额+现金收入=", receipts + opening);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
