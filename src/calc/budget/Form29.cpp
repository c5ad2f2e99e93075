// Total cash disbursements of the month.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm29() {
    return ScreenDesign(29)
        .field("Text1", "直接材料", "Label1") // the materials and overhead screens open by a click
        .field("Text2", "直接人工", "Label2")
        .field("Text3", "制造费用", "Label3")
        .field("Text4", "其他付现费用", "Label4")
        .field("Text5", "购置固定资产", "Label5")
        .button("Command1", "现金支出合计",
                [](Ctx& c) {
                    const auto [materials, labour, overhead, other, assets] = c.nums<5>(1);
                    c.print("现金支出合计=直接材料+直接人工+制造费用+其他付现费用+购置固定资产=",
                            labour + materials + overhead + other + assets);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
