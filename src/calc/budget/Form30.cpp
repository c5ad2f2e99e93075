// Cash surplus or shortage: the cash available less the disbursements.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm30() {
    return ScreenDesign(30)
        .field("Text1", "可使用现金", "Label1") // computed on the cash-available screen, opened by a click
        .field("Text2", "现金支出合计", "Label2")
        .button("Command1", "现金余缺",
                [](Ctx& c) {
                    const auto [available, disbursements] = c.nums<2>(1);
                    c.print("现金余缺=可使用现金-现金支出合计=", available - disbursements);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
