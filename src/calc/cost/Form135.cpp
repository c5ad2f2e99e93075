// Standard costs of several materials and the direct labour variances: the unit material standard
// cost of materials X, Y and Z, and the labour cost, efficiency and rate variances.
#include "calc/cost/LabourVariance.h"
#include "calc/cost/NumberedBoxGrid.h"

namespace fincalc {

namespace {

using namespace cost;

void confirm(Ctx& c) {
    // Each material's column holds its price standard above its quantity standard.
    const Value material = c.num(2) * c.num(1) + c.num(4) * c.num(3) + c.num(6) * c.num(5);
    const Labour labour{.h = c.num(13), .w = c.num(14), .Q = c.num(15), .H = c.num(16), .Cl = c.num(17)};
    const Value costVariance = labour.costVariance(), efficiency = labour.efficiencyVariance(),
                rate = labour.rateVariance();
    c.print("单位直接材料标准成本=∑各价格标准*各用量标准=", material);
    c.print("直接人工成本差异=直接人工成本-月实际产量*工时标准*标准工资率=", costVariance);
    c.print("直接人工效率差异=（实际工时-实际产量*工时标准）*标准工资率=", efficiency);
    c.print("直接人工工资率差异=（直接人工成本/实际工时-标准工资率）*实际工时=", rate);
}

} // namespace

ScreenDesign declareForm135() {
    ScreenDesign design(135);
    design.heading("Label1", "直接多种材料成本标准");
    tableRow(design, 1,
             {heading(12, "项目"), heading(9, "X材料"), heading(10, "Y材料"), heading(11, "Z材料")});
    tableRow(design, 2, {heading(7, "价格标准"), numbered(1), numbered(3), numbered(5)});
    tableRow(design, 3, {heading(8, "用量标准"), numbered(2), numbered(4), numbered(6)});
    tableRow(design, 4,
             {heading(18, "工时标准"), heading(19, "标准工资率"), heading(20, "月实际产量"),
              heading(21, "实际工时"), heading(22, "实直人工成本")});
    tableRow(design, 5, {numbered(13), numbered(14), numbered(15), numbered(16), numbered(17)});
    return design.button("Command1", "确定", confirm)
        .button("Command5", "或")
        .side("Command2", "清空", clearing({{1, 6}, {13, 17}}))
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
