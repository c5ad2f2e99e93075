// Total profit: the gross profit less expenses and the interest due.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm40() {
    return ScreenDesign(40)
        .field("Text1", "毛利", "Label1") // computed on the gross-profit screen, opened by a click
        .field("Text2", "费用", "Label2")
        .field("Text3", "应还利息", "Label3")
        .button("Command1", "利润总额",
                [](Ctx& c) {
                    const auto [gross, expenses, interest] = c.nums<3>(1);
                    c.print("利润总额=毛利-费用-应还利息", gross - expenses - interest);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
