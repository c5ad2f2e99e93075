// Sales volume forecast by the regression line: the years' sales give the regression coefficient
// and constant, and the forecast for the next year's x.
#include "calc/cost/RegressionSheet.h"

namespace fincalc {

ScreenDesign declareForm158() {
    ScreenDesign design(158);
    const int below =
        regression::layOut(design, {.title = "销售量回归直线法", .rowHeading = "年份", .yHeading = "销售Y"});
    design.box("Text86", below, 4, "预计下年成本")
        .box("Text85", below + 1, 4)
        .box("Text88", below, 5, "总年数")
        .box("Text87", below + 1, 5);
    return regression::buttons(design, [](Ctx& c) {
        const Num x0 = c.num("Text85"), n = c.num("Text87");
        const regression::Sheet sheet(c);
        const auto [b, a] = sheet.line(n);
        const Value forecast = b * x0 + a; // an empty coefficient counts as 0
        sheet.writeBack(c);
        c.print("回归系数", b);
        c.print("回归参数", a);
        c.print("预计销售量", forecast);
    });
}

} // namespace fincalc
