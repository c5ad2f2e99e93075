// Current assets and quick assets: the current asset items added in field order, the quick assets
// without the inventory.
#include "app/Session.h"

namespace fincalc {

namespace {

// Every current asset but the inventory (Text6).
Num quickAssets(const Ctx& c) {
    const auto [cash, investments, notes, receivables, prepayments] = c.nums<5>(1);
    return cash + investments + notes + receivables + prepayments;
}

} // namespace

ScreenDesign declareForm57() {
    return ScreenDesign(57)
        .field("Text1", "货币资金", "Label1")
        .field("Text2", "短期投资", "Label2")
        .field("Text3", "应收票据", "Label3")
        .field("Text4", "应收账款", "Label4")
        .field("Text5", "预付账款", "Label5")
        .field("Text6", "存货", "Label6")
        .button("Command1", "求流动资产", [](Ctx& c) { c.print("流动资产", quickAssets(c) + c.num(6)); })
        .button("Command2", "求速动资产", [](Ctx& c) { c.print("速动资产", quickAssets(c)); })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
