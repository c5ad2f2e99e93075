// Variable cost by the regression line: twelve months of volume and cost give the unit variable
// cost (the slope) and the fixed cost (the intercept).
#include "calc/cost/RegressionSheet.h"

namespace fincalc {

ScreenDesign declareForm125() {
    ScreenDesign design(125);
    regression::layOut(design, {.title = "变动成本回归直线法", .rowHeading = "月份", .yHeading = "成本Y"});
    return regression::buttons(design, [](Ctx& c) {
        const regression::Sheet sheet(c);
        const auto [b, a] = sheet.line(12); // twelve months, however many are filled
        sheet.writeBack(c);
        c.print("单位变动成本", b);
        c.print("固定成本", a);
    });
}

} // namespace fincalc
