// Margins of a responsibility centre from its totals: the contribution margin, the controllable
// margin after the controllable fixed cost, and the divisional margin after the centre's other
// fixed cost. "或" opens the same margins from a transfer price and unit costs.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm145() {
    return ScreenDesign(145)
        .field("Text1", "内部销售收入")
        .field("Text2", "销售变动成本")
        .field("Text3", "可控固定成本")
        .field("Text4", "责任中心固定成本")
        .button("Command1", "边际贡献",
                [](Ctx& c) {
                    const auto [S, V, Fc, Fo] = c.nums<4>(1);
                    c.print("边际贡献=内部销售收入-销售变动成本=", S - V);
                })
        .button("Command2", "可控边际贡献",
                [](Ctx& c) {
                    const auto [S, V, Fc, Fo] = c.nums<4>(1);
                    c.print("可控边际贡献=边际贡献-可控固定成本=", S - V - Fc);
                })
        .button("Command3", "部门边际贡献",
                [](Ctx& c) {
                    const auto [S, V, Fc, Fo] = c.nums<4>(1);
                    c.print("部门边际贡献=可控边际贡献-责任中心固定成本=", S - V - Fc - Fo);
                })
        .button("Command4", "或")
        .cancel("Command6")
        .exit("Command7");
}

} // namespace fincalc
