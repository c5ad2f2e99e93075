// Closing cash balance: the surplus or shortage with the month's borrowing and repayments.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm31() {
    return ScreenDesign(31)
        .field("Text1", "现金余缺", "Label1") // computed on the surplus screen, opened by a click
        .field("Text2", "筹得借款", "Label2")
        .field("Text3", "归还借款", "Label3")
        .field("Text4", "归还利息", "Label4")
        .button("Command1", "期末现金余额",
                [](Ctx& c) {
                    const auto [surplus, borrowed, repaid, interest] = c.nums<4>(1);
                    c.print("期末现金余额=筹得借款+现金余缺-归还借款-归还利息=",
                            borrowed + surplus - repaid - interest);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
