// Margins of a component made for another division, priced at the internal transfer price: the
// contribution margin over the unit material and labour, the controllable margin after the
// controllable part of the fixed cost, and the divisional margin after the rest of it.
#include "app/Session.h"

namespace fincalc {

namespace {

// The contribution margin: the transfer price less the unit material, less the unit labour,
// times the annual output.
Num margin(Num t, Num m, Num l, Num q) { return (t - m - l) * q; }

} // namespace

ScreenDesign declareForm115() {
    return ScreenDesign(115)
        .field("Text1", "单位直接材料")
        .field("Text2", "单位直接人工")
        .field("Text3", "零部件年产量")
        .field("Text4", "可控部分额")
        .field("Text5", "固定成本额")
        .field("Text6", "内部结算价格")
        .button("Command2", "边际贡献",
                [](Ctx& c) {
                    const auto [m, l, q, Fc, F, t] = c.nums<6>(1);
                    c.print("边际贡献=（内部结算价格-单位变动成本）*零部件年产量=", margin(t, m, l, q));
                })
        .button("Command1", "可控边际贡献",
                [](Ctx& c) {
                    const auto [m, l, q, Fc, F, t] = c.nums<6>(1);
                    c.print("可控边际贡献=边际贡献-可控部分额=", margin(t, m, l, q) - Fc);
                })
        .button("Command5", "部门边际贡献",
                [](Ctx& c) {
                    const auto [m, l, q, Fc, F, t] = c.nums<6>(1);
                    c.print("部门边际贡献=可控边际贡献-（固定成本额-可控部分额）=",
                            margin(t, m, l, q) - Fc - (F - Fc));
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
