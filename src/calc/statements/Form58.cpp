// Current liabilities: the current liability items added in field order.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm58() {
    return ScreenDesign(58)
        .field("Text1", "短期借款", "Label1")
        .field("Text2", "应付票据", "Label2")
        .field("Text3", "应付账款", "Label3")
        .field("Text4", "应付工资", "Label4")
        .field("Text5", "应交税金", "Label5")
        .field("Text6", "预收账款", "Label6")
        .button("Command1", "求流动负债",
                [](Ctx& c) {
                    const auto [loans, notes, payables, wages, taxes, advances] = c.nums<6>(1);
                    c.print("流动负债", loans + notes + payables + wages + taxes + advances);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
