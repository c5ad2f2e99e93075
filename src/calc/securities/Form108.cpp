// The upper cash limit of the control-limit model, and the cash to put into securities above it.
#include "app/Session.h"

namespace fincalc {

namespace {

Num upperLimit(Num Z, Num L) { return Z * 3 - (L + L); }

} // namespace

ScreenDesign declareForm108() {
    return ScreenDesign(108)
        .field("Text1", "目标现金余额")
        .field("Text2", "最低限额")
        .field("Text3", "现有现金")
        .button("Command5", "现金上限",
                [](Ctx& c) {
                    const auto [Z, L, C] = c.nums<3>(1); // every field, top to bottom
                    c.print("现金上限=3*目标现金余额-2*最低限额=", upperLimit(Z, L));
                })
        .button("Command6", "投资证券金额",
                [](Ctx& c) {
                    const auto [Z, L, C] = c.nums<3>(1); // every field, top to bottom
                    Value invest;
                    if (C > upperLimit(Z, L)) // back down to the target balance
                        invest = C - Z;
                    c.print("投资金额=现金-目标现金余额=", invest);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
