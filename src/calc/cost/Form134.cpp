// The cost standard sheet: each cost item's standard cost written back as quantity standard times
// price standard, and the direct labour rate and efficiency variances.
#include "calc/cost/LabourVariance.h"
#include "calc/cost/NumberedBoxGrid.h"

namespace fincalc {

namespace {

using namespace cost;

constexpr int kCostItems = 4; // direct material, direct labour, variable and fixed overhead

void confirm(Ctx& c) {
    // Quantity standards in Text1 to Text4, price standards in Text6 to Text9, in item order.
    for (int item = 1; item <= kCostItems; ++item)
        c.write(10 + item, c.num(item) * c.num(5 + item));

    const Labour labour{.h = c.num(2), .w = c.num(7), .Q = c.num(32), .H = c.num(34), .Cl = c.num(17)};
    const Value Vr = labour.rateVariance(), Ve = labour.efficiencyVariance();
    c.print("直接人工工资率差异＝（实际工资率-标准工资率）×实际产量下实际人工工时 ＝", Vr);
    c.print("直接人工效率差异＝（实际人工工时－实际产量下标准人工工时）×标准工资率 ＝", Ve);
}

} // namespace

ScreenDesign declareForm134() {
    ScreenDesign design(134);
    design.heading("Label1", "直接率差异");
    tableRow(design, 1,
             {heading(30, "成本项目"), heading(26, "用量标准"), heading(27, "价格标准"),
              heading(28, "标准成本"), heading(29, "实际成本")});
    tableRow(design, 2, {heading(21, "直接材料"), numbered(1), numbered(6), numbered(11), numbered(16)});
    tableRow(design, 3, {heading(22, "直接人工"), numbered(2), numbered(7), numbered(12), numbered(17)});
    tableRow(design, 4, {heading(23, "变动制造费用"), numbered(3), numbered(8), numbered(13), numbered(18)});
    tableRow(design, 5, {heading(24, "固定制造费用"), numbered(4), numbered(9), numbered(14), numbered(19)});
    tableRow(design, 6, {heading(25, "合计"), blank(5), blank(10), blank(15), numbered(20)});
    tableRow(design, 7,
             {heading(35, "标准工时"), heading(36, "月实际产量"), heading(37, "实际耗用材料"),
              heading(38, "实际人工工时")});
    tableRow(design, 8, {numbered(31), numbered(32), numbered(33), numbered(34)});
    return design.button("Command1", "确定", confirm)
        .button("Command5", "或")
        .side("Command2", "清空", clearing({{1, 20}, {31, 34}}))
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
